#include "app/Screenshots.h"

#include "app/TQK0000.h"
#include "app/TQK0001Lite.h"
#include "app/TQK0010.h"
#include "app/TQK0020.h"
#include "app/TfrmGuide.h"
#include "app/TfrmVersion.h"
#include "analysis/AnalysisScreens.h"
#include "curves/CurveScreens.h"
#include "panels/PanelScreens.h"
#include "app/ScreenWiring.h"
#include "master/MasterScreens.h"
#include "optimal/OptimalScreens.h"
#include "raise/TQK3010.h"
#include "raise/TQK3030.h"
#include "reports/ReportScreens.h"
#include "yardstick/YardstickScreens.h"
#include "data/DataModule.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>
#include <vector>

namespace app {

namespace {

// ---------------------------------------------------------------- the screens

QWidget* splash(ScreenshotSession& s)
{
    // Owned by the main window, so it goes when the run ends.
    return new TQK0001Lite(&s.main);
}

QWidget* mainEmpty(ScreenshotSession& s)
{
    s.closeCompany();
    return &s.main;
}

QWidget* mainSample(ScreenshotSession& s)
{
    if (!s.openSampleCompany("TQK0000-sample.png"))
        return nullptr;
    return &s.main;
}

QWidget* companyOpen(ScreenshotSession& s)
{
    s.closeCompany();
    s.main.beginCompanyAction(4);
    return s.main.companyDialog();
}

QWidget* companyChange(ScreenshotSession& s)
{
    s.closeCompany();
    s.main.beginCompanyAction(2);
    TQK0010* dialog = s.main.companyDialog();
    if (dialog->CompanyGridCode == 0) {
        screenshotLog() << "TQK0020-change.png skipped: no company in fiscal year 2020" << Qt::endl;
        return nullptr;
    }
    dialog->btnMntClick();
    return s.main.companyData();
}

// A screen made for each use, prepared over the open sample company; owned by the main window.
template <class Screen>
QWidget* preparedScreen(ScreenshotSession& s, const char* fileName)
{
    if (!s.openSampleCompany(fileName))
        return nullptr;
    auto* screen = new Screen(s.dm, &s.main);
    screen->Prepare();
    return screen;
}

// A screen of the master data made over the open sample company.
QWidget* masterScreen(ScreenshotSession& s, const char* fileName, QWidget* (*make)(QWidget*, int), int tab)
{
    if (!s.openSampleCompany(fileName))
        return nullptr;
    return make(&s.main, tab);
}

QWidget* masterScreen(ScreenshotSession& s, const char* fileName, QWidget* (*make)(QWidget*))
{
    if (!s.openSampleCompany(fileName))
        return nullptr;
    return make(&s.main);
}

QWidget* guideIndex(ScreenshotSession& s)
{
    auto* guide = new TfrmGuide(s.dm.state.ProgramDir, &s.main);
    if (!guide->showIndex()) {
        screenshotLog() << "TfrmGuide-index.png skipped: the guide is not in the program folder" << Qt::endl;
        delete guide;
        return nullptr;
    }
    return guide;
}

// The screens, in the order they are taken. One line per screen and state.
const std::vector<Screenshot>& screenshots()
{
    static const std::vector<Screenshot> list = {
        {"TQK0001Lite-start.png", splash},
        {"TQK0000-empty.png", mainEmpty},
        {"TQK0000-sample.png", mainSample},
        {"TQK0010-open.png", companyOpen},
        {"TQK0020-change.png", companyChange},
        {"TQK0070-sample.png", [](ScreenshotSession& s) { return masterScreen(s, "TQK0070-sample.png", master::makeTQK0070ForScreenshot, 0); }},
        {"TQK0070-marks.png", [](ScreenshotSession& s) { return masterScreen(s, "TQK0070-marks.png", master::makeTQK0070ForScreenshot, 1); }},
        {"TQK0070-pens.png", [](ScreenshotSession& s) { return masterScreen(s, "TQK0070-pens.png", master::makeTQK0070ForScreenshot, 2); }},
        {"TfrmSalaryName-sample.png", [](ScreenshotSession& s) { return masterScreen(s, "TfrmSalaryName-sample.png", master::makeTfrmSalaryNameForScreenshot); }},
        {"TQK3020-sample.png", [](ScreenshotSession& s) { return masterScreen(s, "TQK3020-sample.png", master::makeTQK3020ForScreenshot); }},
        {"TQK0030-sample.png", [](ScreenshotSession& s) { return masterScreen(s, "TQK0030-sample.png", master::makeTQK0030ForScreenshot, 0); }},
        {"TQK0030-pay.png", [](ScreenshotSession& s) { return masterScreen(s, "TQK0030-pay.png", master::makeTQK0030ForScreenshot, 1); }},
        {"TQK0030-optimal.png", [](ScreenshotSession& s) { return masterScreen(s, "TQK0030-optimal.png", master::makeTQK0030ForScreenshot, 2); }},
        {"TQK1010-sample.png", analysis::wagePlotScreenshot},
        {"TQK1100-1010.png", analysis::plotWindow1010Screenshot},
        {"TQK1020-sample.png", curves::raiseCurveScreenshot},
        {"TQK1100-1020.png", curves::plotWindow1020Screenshot},
        {"TQK1050-sample.png", curves::raiseDesignScreenshot},
        {"TQK1051-sample.png", curves::legendScreenshot},
        {"TQK1100-1050.png", curves::plotWindow1050Screenshot},
        {"TfrmPrintPreview-sekkei.png", curves::wageTablePreviewScreenshot},
        {"TQK0050-sample.png", yardstick::costOfLivingScreenshot},
        {"TQK0080-sample.png", yardstick::modelDataScreenshot},
        {"TQK0060-sample.png", yardstick::modelWageScreenshot},
        {"TQK1030-sample.png", yardstick::livingComparisonScreenshot},
        {"TQK1040-sample.png", yardstick::modelComparisonScreenshot},
        {"TQK1100-1030.png", yardstick::plotWindow1030Screenshot},
        {"TQK1100-1040.png", yardstick::plotWindow1040Screenshot},
        {"TQK1070-sample.png", optimal::optimalWageScreenshot},
        {"TFQK1071-sample.png", optimal::optimalResultScreenshot},
        {"TQK1100-1070.png", optimal::plotWindow1070Screenshot},
        {"TQK1102-1010.png", panels::analysisResultScreenshot},
        {"TQK1101-sample.png", panels::profilePanelScreenshot},
        {"TQK1101-evaluation.png", panels::evaluationPanelScreenshot},
        {"TQK1101-career.png", panels::careerPanelScreenshot},
        {"TQK1101-wage.png", panels::wageInfoPanelScreenshot},
        {"TFS1106-sample.png", panels::optimalWagePanelScreenshot},
        {"TQK1107-sample.png", panels::imagePanelScreenshot},
        {"TQK3010-sample.png", [](ScreenshotSession& s) { return preparedScreen<salary::TQK3010>(s, "TQK3010-sample.png"); }},
        {"TQK3030-empty.png", [](ScreenshotSession& s) { return preparedScreen<salary::TQK3030>(s, "TQK3030-empty.png"); }},
        {"TQK0090-sample.png", reports::groupReportScreenshot},
        {"TfrmPrintPreview-0090.png", reports::groupReportPreviewScreenshot},
        {"TQK5000-sample.png", reports::personalReportScreenshot},
        {"TfrmPrintPreview-5000.png", reports::personalReportPreviewScreenshot},
        {"TQK5010-sample.png", reports::wageReportScreenshot},
        {"TfrmPrintPreview-5010.png", reports::wageReportPreviewScreenshot},
        {"TfrmGuide-index.png", guideIndex},
        {"TQK0000-version.png", [](ScreenshotSession& s) -> QWidget* { return new TfrmVersion(&s.main); }},
    };
    return list;
}

} // namespace

QTextStream& screenshotLog()
{
    static QTextStream s(stderr);
    return s;
}

void settleEvents()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QWidget* plotWindowPicture(QWidget* plot, bool handedOver, const char* fileName, const char* why)
{
    if (!plot || !handedOver) {
        screenshotLog() << fileName << " skipped: " << why << Qt::endl;
        return nullptr;
    }
    plot->showNormal();
    plot->resize(1200, 760);
    settleEvents();
    return plot;
}

bool ScreenshotSession::openSampleCompany()
{
    closeCompany();
    if (!main.beginCompanyAction(4))
        return false;
    TQK0010* dialog = main.companyDialog();
    if (dialog->CompanyGridCode == 0) {
        dialog->hide();
        return false;
    }
    dialog->btnAddClick();
    dialog->hide();
    return dm.state.CompanyOpen != 0;
}

bool ScreenshotSession::openSampleCompany(const char* fileName)
{
    if (openSampleCompany())
        return true;
    screenshotLog() << fileName << " skipped: no company in fiscal year 2020" << Qt::endl;
    return false;
}

void ScreenshotSession::closeCompany() { main.mnCloseClick(); }

int runScreenshots(data::TFDM& dm, const QString& dir)
{
    if (!QDir().mkpath(dir)) {
        screenshotLog() << "cannot create " << dir << Qt::endl;
        return 1;
    }
    TQK0000 main(dm);
    connectScreens(main, dm);
    main.resize(1200, 720);
    main.show();
    settleEvents();
    ScreenshotSession session{dm, main};
    int result = 0;
    for (const Screenshot& shot : screenshots()) {
        QWidget* w = shot.render(session);
        if (!w)
            continue;
        w->show();
        settleEvents();
        const QString file = QDir(dir).filePath(QString::fromUtf8(shot.fileName));
        if (!w->grab().save(file, "PNG")) {
            screenshotLog() << "cannot write " << file << Qt::endl;
            result = 1;
        }
        if (w != &main)
            w->hide();
        settleEvents();
    }
    return result;
}

} // namespace app
