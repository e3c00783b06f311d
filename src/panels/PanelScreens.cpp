#include "panels/PanelScreens.h"

#include "analysis/AnalysisScreens.h"
#include "analysis/TQK1100.h"
#include "analysis/TQK1102.h"
#include "app/TQK0000.h"
#include "data/DataModule.h"
#include "data/DbAccess.h"
#include "panels/EmployeePanels.h"
#include "panels/PanelForms.h"

#include <QApplication>
#include <QTextStream>

namespace panels {

// ---------------------------------------------------------------- registry

QWidget* PanelRegistry::find(int panelKind, int employeeCode) const
{
    auto it = open_.find({panelKind, employeeCode});
    return it == open_.end() ? nullptr : it->second.data();
}

void PanelRegistry::add(int panelKind, int employeeCode, QWidget* panel)
{
    // Entries of destroyed panels read as null; drop them as new ones come.
    std::erase_if(open_, [](const auto& entry) { return entry.second.isNull(); });
    open_[{panelKind, employeeCode}] = panel;
}

void PanelRegistry::closeAll()
{
    auto open = std::move(open_);
    open_.clear();
    for (auto& [key, panel] : open) {
        if (panel) {
            panel->close();
            delete panel.data();
        }
        QApplication::processEvents();
    }
}

int PanelRegistry::openCount() const
{
    int n = 0;
    for (const auto& [key, panel] : open_)
        n += !panel.isNull();
    return n;
}

PanelRegistry& panelRegistry()
{
    static PanelRegistry registry;
    return registry;
}

// ---------------------------------------------------------------- opening

namespace {

// The panel of a kind for an employee, filled from the row (empty when the employee is gone).
EmployeePanel* makePanel(data::TFDM& dm, int panelKind, int employeeCode, const data::TSyain_& row, QWidget* parent)
{
    switch (panelKind) {
    case kind::Profile:
    case kind::Evaluation:
    case kind::Career:
    case kind::WageInfo: {
        auto* p = new TQK1101(panelKind, employeeCode, parent);
        p->fill(infoPanelTexts(panelKind, row, dm.state));
        return p;
    }
    case kind::OptimalWage: {
        auto* p = new TFS1106(dm, employeeCode, parent);
        p->fill(row);
        return p;
    }
    case kind::Image: {
        auto* p = new TQK1107(employeeCode, parent);
        p->fill(row);
        return p;
    }
    default:
        return nullptr;
    }
}

} // namespace

QWidget* openEmployeePanel(data::TFDM& dm, PanelRegistry& registry, int panelKind, int employeeCode, QPoint topLeft,
                           QWidget* parent)
{
    if (QWidget* open = registry.find(panelKind, employeeCode))
        return open;
    data::TSyain_ row;
    if (!readEmployee(dm, employeeCode, row))
        row = data::TSyain_{};
    EmployeePanel* panel = makePanel(dm, panelKind, employeeCode, row, parent);
    if (!panel)
        return nullptr;
    registry.add(panelKind, employeeCode, panel);
    panel->move(topLeft);
    panel->show();
    return panel;
}

void installEmployeePanels(analysis::TQK1100& plot)
{
    analysis::TQK1100* window = &plot;
    plot.openPanel = [window](int panelKind, const analysis::PlotPoint& point, QPoint labelGlobal) {
        openEmployeePanel(data::TFDM::current(), panelRegistry(), panelKind, point.sco, labelGlobal + QPoint(35, 10),
                          window);
    };
    plot.closePanels = [] { panelRegistry().closeAll(); };
}

// ---------------------------------------------------------------- screenshots

namespace {

// The first employee of the sample company (with a photo when withPhoto).
std::optional<int> sampleEmployee(app::ScreenshotSession& s, const char* file, bool withPhoto)
{
    if (!s.openSampleCompany(file))
        return std::nullopt;
    data::TSyain_ row;
    const data::TMKIGYOU2& c = s.dm.state.CurrentCompany;
    if (!data::Select(s.dm.ACN2, s.dm.Query21, false, QStringLiteral("SELECT * FROM VSYAIN"),
                      QStringLiteral(" WHERE NENDO = ") + QString::number(c.NENDO.toInt()) + QStringLiteral(" AND KCO = ")
                          + QString::number(c.KCO.toInt())
                          + (withPhoto ? QStringLiteral(" AND SPATH <> ''") : QString()) + QStringLiteral(" ORDER BY SCO"),
                      row)
        || !row.ok) {
        app::screenshotLog() << file << " skipped: the sample company has no employee" << Qt::endl;
        return std::nullopt;
    }
    return int(row.SCO.toLongLong());
}

QWidget* panelShot(app::ScreenshotSession& s, int panelKind, const char* file)
{
    const auto code = sampleEmployee(s, file, panelKind == kind::Image);
    if (!code)
        return nullptr;
    data::TSyain_ row;
    readEmployee(s.dm, *code, row);
    QWidget* panel = makePanel(s.dm, panelKind, *code, row, &s.main);
    panel->setAttribute(Qt::WA_DeleteOnClose, false);
    return panel;
}

} // namespace

QWidget* analysisResultScreenshot(app::ScreenshotSession& s)
{
    if (!analysis::plotWindow1010Screenshot(s))
        return nullptr;
    analysis::TQK1100* plot = analysis::installAnalysisScreens(s.main).plotWindow;
    plot->mnAnalizeClick();
    return plot->analysisWindow();
}

QWidget* profilePanelScreenshot(app::ScreenshotSession& s)
{
    return panelShot(s, kind::Profile, "TQK1101-sample.png");
}

QWidget* evaluationPanelScreenshot(app::ScreenshotSession& s)
{
    return panelShot(s, kind::Evaluation, "TQK1101-evaluation.png");
}

QWidget* careerPanelScreenshot(app::ScreenshotSession& s)
{
    return panelShot(s, kind::Career, "TQK1101-career.png");
}

QWidget* wageInfoPanelScreenshot(app::ScreenshotSession& s)
{
    return panelShot(s, kind::WageInfo, "TQK1101-wage.png");
}

QWidget* optimalWagePanelScreenshot(app::ScreenshotSession& s)
{
    return panelShot(s, kind::OptimalWage, "TFS1106-sample.png");
}

QWidget* imagePanelScreenshot(app::ScreenshotSession& s)
{
    return panelShot(s, kind::Image, "TQK1107-sample.png");
}


} // namespace panels
