#pragma once
// The optimal wage screens in the program: the optimal wage screen, created once and owned by the
// main window, reached from its 最適化賃金(&F) item and from the plot window's back button while it
// shows chart 1070; and their screenshots for the --screenshots run.

#include "app/Screenshots.h"

#include <vector>

class QWidget;

namespace app {
class TQK0000;
}

namespace analysis {
class TQK1100;
}

namespace optimal {

class TQK1070;

// Creates the screen (once; a second call returns the same one), connects 最適化賃金(&F) to it and
// makes it the calling screen of chart 1070 on the plot window.
TQK1070* installOptimalScreens(app::TQK0000& main, analysis::TQK1100& plot);

// The screenshots, each a line of the screenshot table:
//   TQK1070-sample.png    the optimal wage screen over the sample company
QWidget* optimalWageScreenshot(app::ScreenshotSession& s);
//   TFQK1071-sample.png   the result table of 項目Ⅰ on age, service and grade over the sample company
QWidget* optimalResultScreenshot(app::ScreenshotSession& s);
//   TQK1100-1070.png      the plot window with that analysis as chart 1070 (±10 % optimal area)
QWidget* plotWindow1070Screenshot(app::ScreenshotSession& s);

}  // namespace optimal
