#include "master/MasterScreens.h"

#include "data/DataModule.h"
#include "master/EmployeeListModel.h"
#include "master/TQK0030.h"
#include "master/TQK0070.h"
#include "master/TfrmSalaryName.h"
#include "raise/TQK3020.h"

#include <QTabWidget>

namespace master {

namespace {

data::TFDM& dm() { return data::TFDM::current(); }

bool companyOpen() { return data::TFDM::hasCurrent() && dm().state.CompanyOpen != 0; }

} // namespace

void runTQK0070(QWidget* parent)
{
    auto* screen = parent ? parent->findChild<TQK0070*>(QStringLiteral("TQK0070"), Qt::FindDirectChildrenOnly) : nullptr;
    if (!screen)
        screen = new TQK0070(dm(), parent);
    screen->Prepare();
    screen->exec();
    if (!parent)
        delete screen;
}

void runTfrmSalaryName(QWidget* parent)
{
    TfrmSalaryName screen(dm(), parent);
    screen.Prepare();
    screen.exec();
}

void runTQK3020(QWidget* parent)
{
    salary::TQK3020 screen(dm(), parent);
    screen.Prepare();
    screen.exec();
}

void runTQK0030(QWidget* parent)
{
    TQK0030 screen(dm(), parent);
    screen.Prepare();
    screen.exec();
}

QWidget* makeTQK0070ForScreenshot(QWidget* parent, int tab)
{
    if (!companyOpen())
        return nullptr;
    auto* screen = new TQK0070(dm(), parent);
    screen->Prepare();
    screen->PageControl->setCurrentIndex(tab);
    return screen;
}

QWidget* makeTfrmSalaryNameForScreenshot(QWidget* parent)
{
    if (!companyOpen())
        return nullptr;
    auto* screen = new TfrmSalaryName(dm(), parent);
    screen->Prepare();
    screen->chooseId(1);
    return screen;
}

QWidget* makeTQK3020ForScreenshot(QWidget* parent)
{
    if (!companyOpen())
        return nullptr;
    auto* screen = new salary::TQK3020(dm(), parent);
    screen->Prepare();
    return screen;
}

QWidget* makeTQK0030ForScreenshot(QWidget* parent, int tab)
{
    if (!companyOpen())
        return nullptr;
    auto* screen = new TQK0030(dm(), parent);
    screen->Prepare();
    // The first employee with a photo, so that the picture shows as well.
    const auto& employees = screen->listModel()->employees();
    for (size_t i = 0; i < employees.size(); ++i)
        if (!employees[i].SPATH.isEmpty()) {
            screen->gridClick(int(i));
            break;
        }
    screen->PageControl->setCurrentIndex(tab);
    return screen;
}

} // namespace master
