#pragma once
// The tentative raise curves of the raise curve design (chart 1050): the five curve slots shared by
// the design screen and the plot window, the x and y items the design screen works on, and the
// points the user clicks into the plot window before importing them as a curve.
//
// One state for the program, used from the user-interface thread only.

#include "analysis/ChartLayout.h"
#include "analysis/PlotSeries.h"
#include "data/Records.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace data {
class TFDM;
}

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

inline constexpr int maxTentativePoints = 6;

// ---- Entering points ----------------------------------------------------------------------------

// Why a point cannot be entered with this drawing number field text and this many points already
// entered: "描画番号 を、入力して下さい。" for 0 or no number, "描画番号 は、１～５ を入力して下さい。"
// outside 1..5, "６点以上は、プロットできません。" with six points; empty when it can.
QString pointEntryRefusal(const QString& drawingNoText, int pointsEntered);

// The axis values of a click at pixel (window coordinates) on a chart laid out as layout:
//   x = Trunc(RoundToDigits(1, (px - dataLeft) / dataWidth · xRange + xMin))
//   y = Trunc(RoundToDigits(1, ((dataBottom - py) / dataHeight · yRange + yMin) · 10) · 1000)
// i.e. x in whole axis units and y in yen, in whole thousands (0.1 万円). Nothing when the data area
// has no width or height (a window shrunk to nothing), or the values leave the 64-bit range.
std::optional<TentativePoint> clickToPoint(const ChartLayout& layout, const TSDX& scale, QPoint pixel);

// The check of the drawing number field when it is left.
struct DrawingNoCheck {
    bool accepted{false};
    int drawingNo{0};     // the new drawing number when accepted (unchanged for "0")
    QString message;      // shown when rejected
    QString shownText;    // what the field shows afterwards
};
// "0" is accepted silently and leaves the drawing number as it was; no integer:
// "数値を入力してください。"; 1..5 becomes the drawing number; anything else:
// "入力範囲外です。1 ～ 5 の値を入力して下さい。". A rejected entry shows the current number again.
DrawingNoCheck checkDrawingNo(const QString& text, int current);

// ---- Loading and importing ----------------------------------------------------------------------

// Clears the five slots and fills slot n from every row whose SDCO n is 1..5 (an empty SCOLOR is
// black; other rows are ignored); then resets the comparison series, adds each slot's pairs with
// SNENREIk ≠ 0 to group n as (SNENREIk, RoundToDigits(2, SKINk / 10000)) named by its legend, and
// finishes and fits them (cubic when cubic).
void fillTentativeCurves(const std::vector<data::TSPDRAW_>& rows, TSPD& state, SeriesArray& comparison,
                         bool cubic);

// Reads the drawn curves (FCHKS = 1) of the open company for state.xItem / state.yItem from DSPDRAW,
// by SDCO, and fills the slots and the comparison series with them. A read error has been shown and
// leaves them empty.
void loadTentativeCurves(data::TFDM& dm, TSPD& state, SeriesArray& comparison, bool cubic);

// The DSPDRAW row that importing the entered points as curve n writes: the company, n, the items,
// FCHKS = 1, FREN = 1, the points' x values and amounts (0 for pairs without a point), no texts, and
// the colour, style and width of slot n.
data::TSPDRAW_ tentativeCurveRow(const data::TFDM& dm, const TSPD& state, int drawingNo);

struct ImportOutcome {
    bool imported{false};
    QString message;      // why it was refused (nothing written); empty after a database error
};
// Imports the entered points as curve drawingNoText: refused with
// "取込む点を２～６箇所をポイントして下さい。" below two points, and with the point entry's message
// when the text is no drawing number 1..5. Otherwise replaces the curve of the same company, year,
// drawing number and x / y item pair (and only that) by tentativeCurveRow, in one transaction; a
// database error has been shown and leaves the table as it was.
ImportOutcome importTentativeCurve(data::TFDM& dm, const TSPD& state, const QString& drawingNoText);

}  // namespace analysis
