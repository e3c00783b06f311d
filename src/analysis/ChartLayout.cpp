#include "analysis/ChartLayout.h"

#include "data/Common.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace analysis {

namespace {

int toPixel(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::trunc(std::clamp(v, double(INT_MIN), double(INT_MAX))));
}

} // namespace

ChartLayout chartLayout(int windowWidth, int windowHeight, int panelWidth, CanvasTextSize text, const TSDX& scale)
{
    ChartLayout l;
    l.outerLeft = panelWidth;
    l.outerTop = 0;
    l.outerRight = windowWidth - 9;
    l.outerBottom = windowHeight - 36;
    l.axisX = 2 * panelWidth;
    l.plotTop = l.outerTop + 2 * text.lineHeight;
    l.axisY = l.outerBottom - 3 * text.lineHeight;
    l.legendLeft = l.outerRight - text.legendWidth;
    if (scale.xMin != 0) {
        l.dataLeft = l.axisX + 30;
        l.dataWidth = l.legendLeft - l.axisX - 50;
    } else {
        l.dataLeft = l.axisX;
        l.dataWidth = l.legendLeft - l.axisX - 20;
    }
    if (scale.yMin != 0) {
        l.dataBottom = l.axisY - 30;
        l.dataHeight = (l.axisY - 30) - l.plotTop - 20;
    } else {
        l.dataBottom = l.axisY;
        l.dataHeight = l.axisY - l.plotTop - 20;
    }
    return l;
}

int pixelX(const ChartLayout& layout, const TSDX& scale, double v)
{
    if (scale.xRange == 0)
        return layout.dataLeft;
    return toPixel(layout.dataLeft + std::trunc((v - scale.xMin) / scale.xRange * layout.dataWidth));
}

int pixelY(const ChartLayout& layout, const TSDX& scale, double v)
{
    if (scale.yRange == 0)
        return 0;
    return toPixel(layout.dataBottom - (v - scale.yMin) / scale.yRange * layout.dataHeight);
}

double curveStep(const ChartLayout& layout, const TSDX& scale)
{
    return std::max(0.2, data::SafeDiv(double(scale.xMax) - scale.xMin, (layout.legendLeft - layout.axisX) / 20.0));
}

} // namespace analysis
