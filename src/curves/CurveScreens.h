#pragma once
// The raise curve screens in the program: the raise curve analysis and the raise curve design,
// created once and owned by the main window, reached from its menu and from the plot window's back
// button; and their screenshots for the --screenshots run.

#include "app/Screenshots.h"

#include <vector>

namespace app {
class TQK0000;
}

namespace analysis {
class TQK1100;
}

namespace curves {

class TQK1020;
class TQK1050;

struct CurveScreens {
    TQK1020* analysis = nullptr;
    TQK1050* design = nullptr;
};

// Creates the screens (once; a second call returns the same ones), connects 昇給カーブの分析(&V)
// and 昇給カーブの設計(&Y) to them, registers them as the calling screens of charts 1020 and 1050
// of the plot window, and lets a curve imported in the plot window reload the design grid.
CurveScreens installCurveScreens(app::TQK0000& main, analysis::TQK1100& plot);

// The screenshots, each a line of the screenshot table:
//   TQK1020-sample.png          the raise curve analysis of the sample company
QWidget* raiseCurveScreenshot(app::ScreenshotSession& s);
//   TQK1100-1020.png            its chart: curves per group with ±10 % companions
QWidget* plotWindow1020Screenshot(app::ScreenshotSession& s);
//   TQK1050-sample.png          the raise curve design with two registered curves
QWidget* raiseDesignScreenshot(app::ScreenshotSession& s);
//   TQK1051-sample.png          the legend dialog of the first curve
QWidget* legendScreenshot(app::ScreenshotSession& s);
//   TQK1100-1050.png            the designed curves over the employees' points
QWidget* plotWindow1050Screenshot(app::ScreenshotSession& s);
//   TfrmPrintPreview-sekkei.png the first page of the printed wage table
QWidget* wageTablePreviewScreenshot(app::ScreenshotSession& s);

}  // namespace curves
