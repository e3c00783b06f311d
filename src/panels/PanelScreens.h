#pragma once
// The employee panels in the program: which are open (one registry keyed by panel kind and employee
// code), their opening from the point menu of the plot window and their closing with it, and the
// screenshots of the panels and of the analysis result window.

#include "app/Screenshots.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <utility>
#include <vector>

namespace analysis {
class TQK1100;
}
namespace data {
class TFDM;
}

namespace panels {

// The open panels. A panel leaves the registry when it is destroyed (closed by a click or by
// closeAll).
class PanelRegistry {
public:
    // The open panel of this kind for this employee, or nullptr.
    QWidget* find(int panelKind, int employeeCode) const;
    void add(int panelKind, int employeeCode, QWidget* panel);
    // Closes and destroys every open panel.
    void closeAll();
    // How many panels are open.
    int openCount() const;

private:
    std::map<std::pair<int, int>, QPointer<QWidget>> open_;
};

// The registry of the program's panels.
PanelRegistry& panelRegistry();

// Opens panel kind (1..4, 6, 7) for the employee with its top-left corner at topLeft (screen
// coordinates): reads the employee's row, fills the panel and shows it. Does nothing and returns the
// open panel when that kind is already open for the employee; nullptr for an unknown kind.
QWidget* openEmployeePanel(data::TFDM& dm, PanelRegistry& registry, int panelKind, int employeeCode, QPoint topLeft,
                           QWidget* parent);

// Connects the point menu of the plot window to the panels (placed at the clicked label + (35, 10))
// and makes the window close them all when it closes or goes back.
void installEmployeePanels(analysis::TQK1100& plot);

// Screenshots: the analysis result window of the sample wage plot, and each panel kind for the
// first employee of the sample company.
QWidget* analysisResultScreenshot(app::ScreenshotSession& s);
QWidget* profilePanelScreenshot(app::ScreenshotSession& s);
QWidget* evaluationPanelScreenshot(app::ScreenshotSession& s);
QWidget* careerPanelScreenshot(app::ScreenshotSession& s);
QWidget* wageInfoPanelScreenshot(app::ScreenshotSession& s);
QWidget* optimalWagePanelScreenshot(app::ScreenshotSession& s);
QWidget* imagePanelScreenshot(app::ScreenshotSession& s);

}  // namespace panels
