#pragma once
// The report screens in the program: the group employee report (both kinds), the personal and the
// wage information reports and the print preview they share; and their screenshots for the
// --screenshots run.

#include "app/Screenshots.h"

#include <vector>

namespace app {
class TQK0000;
}

namespace reports {

class TfrmPrintPreview;

// Connects グループ別社員賃金(&G), グループ別社員昇給(&U), 社員個人情報(&P) and 社員賃金情報(&S)
// to their screens, each made for one use and shown modally, and the plot window's printing. The
// print preview is made once, owned by the main window (a second call returns the same one).
void installReportScreens(app::TQK0000& main);
TfrmPrintPreview* printPreview(app::TQK0000& main);

// The screenshots, each filled from the sample company:
//   TQK0090-sample.png            the group wage report screen with marks 1..3 chosen
//   TfrmPrintPreview-0090.png     the preview of the first page of the group wage report
//   TQK5000-sample.png            the personal information report screen
//   TfrmPrintPreview-5000.png     the preview of its first page (group 6: five employees, two pages)
//   TQK5010-sample.png            the wage information report screen
//   TfrmPrintPreview-5010.png     the preview of its first page
QWidget* groupReportScreenshot(app::ScreenshotSession& s);
QWidget* groupReportPreviewScreenshot(app::ScreenshotSession& s);
QWidget* personalReportScreenshot(app::ScreenshotSession& s);
QWidget* personalReportPreviewScreenshot(app::ScreenshotSession& s);
QWidget* wageReportScreenshot(app::ScreenshotSession& s);
QWidget* wageReportPreviewScreenshot(app::ScreenshotSession& s);
// A preview of the document a report has just written (PreviewFile), made for a picture: page 1 at
// 100 % in a window the page fits in; the document is deleted when the preview goes. nullptr, with a
// line on standard error naming fileName, when no document was written.
QWidget* previewPicture(app::ScreenshotSession& s, const char* fileName);

} // namespace reports
