#pragma once
// Where a chart goes in the plot window, and the transforms between axis values and pixels.
//
// Coordinates are those of the window's client area: the panel of entry fields takes the first
// panelWidth pixels, the chart lies to its right. The layout is recomputed before every drawing from
// the window size and the canvas font, so a resize needs no other bookkeeping.

#include "analysis/ChartScale.h"

namespace analysis {

// The sizes of the canvas font that the layout needs.
struct CanvasTextSize {
    int lineHeight{0};     // height of "あ"
    int legendWidth{0};    // width of eleven "あ", the room kept for the legend
};

struct ChartLayout {
    int outerLeft{0};      // panel width
    int outerTop{0};       // 0
    int outerRight{0};     // window width - 9
    int outerBottom{0};    // window height - 36
    int axisX{0};          // 2 · panel width: the y axis
    int plotTop{0};        // outerTop + 2 · lineHeight: top of the y axis
    int axisY{0};          // outerBottom - 3 · lineHeight: the x axis
    int legendLeft{0};     // outerRight - legendWidth: end of the x axis, start of the legend
    int dataLeft{0};       // axisX + 30 when the x minimum ≠ 0 (room for the break mark), else axisX
    int dataWidth{0};      // legendLeft - axisX - 50, or legendLeft - axisX - 20 from a zero minimum
    int dataBottom{0};     // axisY - 30 when the y minimum ≠ 0, else axisY
    int dataHeight{0};     // dataBottom - plotTop - 20
};

ChartLayout chartLayout(int windowWidth, int windowHeight, int panelWidth, CanvasTextSize text, const TSDX& scale);

// Pixel x of an axis value: dataLeft + Trunc((v - xMin) / xRange · dataWidth); dataLeft for every
// value when the x range is 0. Values outside the axis are not clipped; the result is held inside
// the range of int.
int pixelX(const ChartLayout& layout, const TSDX& scale, double v);
// Pixel y: Trunc(dataBottom - (v - yMin) / yRange · dataHeight); 0 when the y range is 0.
int pixelY(const ChartLayout& layout, const TSDX& scale, double v);

// The x step of a fitted curve: one segment per 20 pixels of the x axis, never less than 0.2 units:
// Max(0.2, SafeDiv(xMax - xMin, (legendLeft - axisX) / 20)).
double curveStep(const ChartLayout& layout, const TSDX& scale);

}  // namespace analysis
