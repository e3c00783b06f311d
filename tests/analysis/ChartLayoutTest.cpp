// The layout rectangle of a chart and the transforms between axis values and pixels.

#include "analysis/ChartLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace {

using analysis::ChartLayout;
using analysis::TSDX;

TSDX scale(int xMin, int xMax, int yMin, int yMax)
{
    TSDX s;
    s.xMin = xMin;
    s.xMax = xMax;
    s.yMin = yMin;
    s.yMax = yMax;
    s.updateRanges();
    return s;
}

// A window of 1000 × 700 with the 73-pixel panel; "あ" 16 high, eleven of them 176 wide.
constexpr analysis::CanvasTextSize text{16, 176};

struct LayoutCase {
    std::string name;
    int xMin, yMin;
    int dataLeft, dataWidth, dataBottom, dataHeight;
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, LeavesRoomForBreakMarksOnlyAfterANonZeroMinimum)
{
    const LayoutCase& c = GetParam();
    const ChartLayout l = analysis::chartLayout(1000, 700, 73, text, scale(c.xMin, 65, c.yMin, 40));
    // What does not depend on the minima.
    EXPECT_EQ(l.outerLeft, 73);
    EXPECT_EQ(l.outerTop, 0);
    EXPECT_EQ(l.outerRight, 991);
    EXPECT_EQ(l.outerBottom, 664);
    EXPECT_EQ(l.axisX, 146);
    EXPECT_EQ(l.plotTop, 32);
    EXPECT_EQ(l.axisY, 616);
    EXPECT_EQ(l.legendLeft, 815);
    EXPECT_EQ(l.dataLeft, c.dataLeft);
    EXPECT_EQ(l.dataWidth, c.dataWidth);
    EXPECT_EQ(l.dataBottom, c.dataBottom);
    EXPECT_EQ(l.dataHeight, c.dataHeight);
}

INSTANTIATE_TEST_SUITE_P(Cases, Layout,
                         testing::Values(LayoutCase{"BothMinimaZero", 0, 0, 146, 649, 616, 564},
                                         LayoutCase{"XMinimumTwenty", 20, 0, 176, 619, 616, 564},
                                         LayoutCase{"YMinimumTen", 0, 10, 146, 649, 586, 534},
                                         LayoutCase{"BothMinimaSet", 20, 10, 176, 619, 586, 534}),
                         [](const testing::TestParamInfo<LayoutCase>& i) { return i.param.name; });

// x 20 ... 65 over 619 pixels from 176; y 10 ... 40 over 534 pixels up from 586.
TEST(Transforms, MapAxisValuesToPixels)
{
    const TSDX s = scale(20, 65, 10, 40);
    const ChartLayout l = analysis::chartLayout(1000, 700, 73, text, s);
    struct Case {
        double v;
        int pixel;
    };
    const Case xs[] = {
        {20, 176}, {65, 795}, {42.5, 485},   // 176 + Trunc(22.5 / 45 · 619 = 309.5)
        {0, -99},                            // left of the axis, not clipped: Trunc(-275.1) = -275
        {70, 863},
    };
    for (const Case& c : xs)
        EXPECT_EQ(analysis::pixelX(l, s, c.v), c.pixel) << "x " << c.v;
    const Case ys[] = {
        {10, 586}, {40, 52}, {20, 408},
        {25.3, 313},                         // Trunc(586 - 15.3 / 30 · 534 = 313.66)
        {0, 764},                            // below the axis, not clipped
    };
    for (const Case& c : ys)
        EXPECT_EQ(analysis::pixelY(l, s, c.v), c.pixel) << "y " << c.v;
}

TEST(Transforms, ZeroRangesAndHugeValuesStayDefined)
{
    const TSDX flat = scale(30, 30, 50, 50);
    const ChartLayout l = analysis::chartLayout(1000, 700, 73, text, flat);
    for (double v : {0.0, 30.0, 1e9}) {
        EXPECT_EQ(analysis::pixelX(l, flat, v), l.dataLeft) << v;
        EXPECT_EQ(analysis::pixelY(l, flat, v), 0) << v;
    }
    const TSDX s = scale(0, 10, 0, 10);
    const ChartLayout l2 = analysis::chartLayout(1000, 700, 73, text, s);
    EXPECT_EQ(analysis::pixelX(l2, s, 1e300), INT_MAX);
    EXPECT_EQ(analysis::pixelX(l2, s, -1e300), INT_MIN);
    EXPECT_EQ(analysis::pixelY(l2, s, 1e300), INT_MIN);
}

TEST(CurveStep, OneSegmentPerTwentyPixelsNeverBelowAFifth)
{
    struct Case {
        int windowWidth;   // 1231 gives a 900-pixel x axis; 331 none at all
        int xMin, xMax;
        double step;
    };
    const Case cases[] = {
        {1231, 20, 65, 1.0},    // 45 / (900 / 20)
        {1231, 0, 90, 2.0},
        {1231, 20, 22, 0.2},    // 2 / 45 is below the least step
        {1231, 30, 30, 0.2},    // no x range
        {331, 20, 65, 0.2},     // no axis: the safe division gives 0
    };
    for (const Case& c : cases) {
        const TSDX s = scale(c.xMin, c.xMax, 0, 50);
        const ChartLayout l = analysis::chartLayout(c.windowWidth, 700, 73, text, s);
        EXPECT_DOUBLE_EQ(analysis::curveStep(l, s), c.step) << c.windowWidth << " " << c.xMin << ".." << c.xMax;
    }
}

} // namespace
