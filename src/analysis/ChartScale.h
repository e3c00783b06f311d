#pragma once
// The chart numbers, the scale of a chart (axis ranges, pitches, names, units), how the axis
// ranges follow from the plotted series, and the checks of the four axis entry fields of the plot
// window. Plain computation.

#include "analysis/Series.h"

#include <QString>

namespace analysis {

// Each analysis screen owns one chart number: its settings are the MCHART row of that number, and
// the plot window draws by it.
namespace chart {
inline constexpr int None = 0;
inline constexpr int WagePlot = 1010;          // employees' points
inline constexpr int RaiseCurve = 1020;        // points and fitted curves per group
inline constexpr int CostOfLiving = 1030;      // points and the cost-of-living polylines
inline constexpr int ModelWage = 1040;         // points and the model-wage polylines
inline constexpr int RaiseDesign = 1050;       // tentative raise curves
inline constexpr int OptimalWage = 1070;       // actual against optimal wage, the diagonal
}  // namespace chart

// The scale of a chart: the axis ranges in axis units (whole numbers), the pitch of the ticks, and
// the texts written at the axes.
struct TSDX {
    int xMin{0};      // Trunc(SafeDiv(min x, xPitch)) · xPitch
    int xMax{0};      // Trunc(SafeDiv(max x, xPitch) + 0.9999) · xPitch
    int yMin{0};      // Trunc(SafeDiv(min y, yPitch)) · yPitch
    int yMax{50};     // Trunc(SafeDiv(max y, yPitch) + 0.9999) · yPitch; 50 when that is 0
    int xRange{0};    // xMax - xMin
    int yRange{50};   // yMax - yMin
    int xPitch{0};    // XPITCH of the chart settings; 0 draws no ticks
    int yPitch{0};    // YPITCH of the chart settings
    QString xName;    // XNAME without full-width spaces
    QString yName;    // YNAME without full-width spaces
    QString xUnit;    // XUNIT
    QString yUnit;    // YUNIT

    // xRange and yRange from the current minima and maxima (after an axis entry).
    void updateRanges();
};

// The axis name as written: every full-width space removed.
QString axisName(const QString& stored);

// Sets the four axis values of scale (pitches must be set) from the overall employee series and,
// for the charts whose comparison curves widen the axes (1030, 1040, 1050) when that series holds
// points, from the overall comparison series too. A zero pitch gives 0 (the safe division), so the
// axes then run from 0 to 0, and a y maximum of 0 becomes 50. Values beyond the range of int are
// held at its ends.
void setAxisRanges(TSDX& scale, int chartNo, const TXYDATA& employees, const TXYDATA& comparison);

// The bounds of the four spin buttons: 0 … the axis maximum for the minima, 0 … Trunc(1.5 × the
// axis maximum) for the maxima. They follow the axis values over the whole range of int (the
// 16-bit bounds would break above an axis maximum of 21845); a negative maximum gives 0 … 0.
struct SpinBounds {
    int xMinLow{0}, xMinHigh{0};
    int xMaxLow{0}, xMaxHigh{0};
    int yMinLow{0}, yMinHigh{0};
    int yMaxLow{0}, yMaxHigh{0};
};
SpinBounds spinBoundsFor(const TSDX& scale);

// The check of an axis entry field when it is left (or its spin button clicked).
struct AxisEntryCheck {
    bool accepted{false};
    int value{0};         // the new axis value when accepted
    QString message;      // the message to show when rejected
    QString shownText;    // what the field shows afterwards
};
// Not an integer: "数値を入力してください。" and the field shows the current value again. Outside
// low … high (both inclusive): "入力範囲外です。" + low + " ～ " + high + "の値を入力して下さい。" and
// the field shows low; the axis keeps its value. Otherwise the typed value is taken.
AxisEntryCheck checkAxisEntry(const QString& text, int current, int low, int high);

}  // namespace analysis
