#pragma once
// The screenshot run (--screenshots DIR): every screen that exists is rendered offscreen into a PNG
// file named after its class and state, filled from the sample companies of the program folder.
//
// The screens are listed in one table in Screenshots.cpp, in the order they are taken; a new screen
// adds itself with one line there: the file name and a function that builds, fills and returns the
// widget to render (or nullptr, after saying why on stderr, when it cannot be shown).

#include <QString>
#include <functional>

class QTextStream;
class QWidget;

namespace data {
class TFDM;
}

namespace app {

class TQK0000;

// What a screenshot function works with. The main window is shown; the company open when a
// function starts is whatever the previous one left.
struct ScreenshotSession {
    data::TFDM& dm;
    TQK0000& main;

    // Opens the first company of fiscal year 2020 through the company dialog, as a user would;
    // false when there is none (nothing is open then).
    bool openSampleCompany();
    // The same; when there is none, says on stderr that fileName was skipped.
    bool openSampleCompany(const char* fileName);
    // Closes the open company (the main window's 閉じる).
    void closeCompany();
};

using ScreenshotFunction = std::function<QWidget*(ScreenshotSession&)>;

struct Screenshot {
    const char* fileName;
    ScreenshotFunction render;
};

// Where a screenshot function says why it shows nothing (stderr).
QTextStream& screenshotLog();
// Lets the widgets shown or resized paint before a picture is taken.
void settleEvents();
// The plot window at a size that suits a review picture, once a screen handed it its chart
// (handedOver); otherwise nullptr, after saying "fileName skipped: why" on stderr.
QWidget* plotWindowPicture(QWidget* plot, bool handedOver, const char* fileName, const char* why);

// Renders every listed screen into dir; the process exit code (0 unless a file could not be written).
int runScreenshots(data::TFDM& dm, const QString& dir);

} // namespace app
