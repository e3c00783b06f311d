#pragma once
// The analysis screens in the program: the plot window and the wage plot, created once and owned by
// the main window, reached from its menu and from the plot window's back button; and their
// screenshots for the --screenshots run.

#include "app/Screenshots.h"

#include <vector>

namespace app {
class TQK0000;
}

namespace analysis {

class TQK1010;
class TQK1100;

struct AnalysisScreens {
    TQK1100* plotWindow = nullptr;
    TQK1010* wagePlot = nullptr;
};

// Creates the screens (once; a second call returns the same ones), connects 賃金プロット(&U) to the
// wage plot and the plot window's back button of chart 1010 to it.
AnalysisScreens installAnalysisScreens(app::TQK0000& main);

// The screenshots of the analysis screens, each a line of the screenshot table:
//   TQK1010-sample.png   the wage plot of the sample company, every mark and grade chosen
QWidget* wagePlotScreenshot(app::ScreenshotSession& s);
//   TQK1100-1010.png     the plot window with that wage plot (age against base pay)
QWidget* plotWindow1010Screenshot(app::ScreenshotSession& s);

}  // namespace analysis
