#pragma once
// The tentative raise curves of the raise curve design (chart 1050): the five curve slots shared by
// the design screen and the plot window, the x and y items the design screen works on, and the
// points the user clicks into the plot window before importing them as a curve.
//
// One state for the program, used from the user-interface thread only.

#include <QColor>
#include <QPoint>
#include <QString>

#include <array>
#include <vector>

namespace analysis {

// One designed curve: up to six (x, amount in yen) pairs and how it is drawn.
struct TentativeSlot {
    int FREN{0};
    std::array<qint64, 6> x{};        // SNENREI1..6
    std::array<qint64, 6> amount{};   // SKIN1..6, yen
    QString HANREI;                   // legend text
    QString SETSUMEI;                 // description
    QColor color{Qt::black};
    int style{0};                     // pen style (SSYURUI)
    int width{1};                     // pen width (SHABA)
};

// A point clicked into the chart of the plot window.
struct TentativePoint {
    QPoint screen;     // where it was clicked, in screen coordinates
    int pixelX{0};     // in the window
    int pixelY{0};
    qint64 xValue{0};  // x in the unit of the x item
    qint64 yYen{0};    // amount in yen, in whole thousands
};

struct TSPD {
    int drawingNo{0};                       // 0..5, the plot window's drawing number field
    std::vector<TentativePoint> points;     // at most six
    std::array<TentativeSlot, 6> slots;     // 1..5 used; slot 0 unused
    // The items of the design screen (its x and y radio groups); the tentative curves are loaded
    // and imported for this pair.
    int xItem{0};
    int yItem{0};
};

// The program's tentative curve state.
TSPD& tentativeCurves();

}  // namespace analysis
