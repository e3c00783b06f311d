#pragma once
// The yardstick screens in the program: the standard cost of living, the model data and model wage
// entry screens (made for each use) and the two comparisons (created once, reached from the menu
// and from the plot window's back button); and their screenshots for the --screenshots run.

#include "app/Screenshots.h"

#include <vector>

namespace app {
class TQK0000;
}

namespace analysis {
class TQK1100;
}

namespace yardstick {

class TQK1030;
class TQK1040;

struct YardstickScreens {
    TQK1030* livingComparison = nullptr;
    TQK1040* modelComparison = nullptr;
};

// Connects 生計費　登録, モデルデータ　登録, モデル賃金　登録, 生計費との比較 and モデル賃金との比較
// to their screens, and the plot window's back button of charts 1030 and 1040 to the comparisons.
// A second call returns the screens made by the first.
YardstickScreens installYardstickScreens(app::TQK0000& main, analysis::TQK1100& plot);

// Screenshots, each filled from the sample company and the installation data:
//   TQK0050-sample.png   the company's cost-of-living table
QWidget* costOfLivingScreenshot(app::ScreenshotSession& s);
//   TQK0080-sample.png   the company's model data set
QWidget* modelDataScreenshot(app::ScreenshotSession& s);
//   TQK0060-sample.png   the points of that set, the first one shown
QWidget* modelWageScreenshot(app::ScreenshotSession& s);
//   TQK1030-sample.png / TQK1040-sample.png   the comparisons set up for every mark and grade
QWidget* livingComparisonScreenshot(app::ScreenshotSession& s);
QWidget* modelComparisonScreenshot(app::ScreenshotSession& s);
//   TQK1100-1030.png / TQK1100-1040.png   the plot window with each comparison
QWidget* plotWindow1030Screenshot(app::ScreenshotSession& s);
QWidget* plotWindow1040Screenshot(app::ScreenshotSession& s);

} // namespace yardstick
