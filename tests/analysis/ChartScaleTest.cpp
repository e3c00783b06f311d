// Axis ranges from the plotted series, the spin bounds that follow them, and the axis entry check.

#include "analysis/ChartScale.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace {

using analysis::TSDX;
using analysis::TXYDATA;

TXYDATA range(int n, double minX, double maxX, double minY, double maxY)
{
    TXYDATA s;
    s.n = n;
    s.minX = minX;
    s.maxX = maxX;
    s.minY = minY;
    s.maxY = maxY;
    return s;
}

struct RangeCase {
    std::string name;
    int chartNo;
    TXYDATA employees;
    TXYDATA comparison;
    int xPitch, yPitch;
    int xMin, xMax, yMin, yMax;
};

void PrintTo(const RangeCase& c, std::ostream* os)
{
    *os << c.name;
}

class AxisRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(AxisRanges, FollowTheSeries)
{
    const RangeCase& c = GetParam();
    TSDX s;
    s.xPitch = c.xPitch;
    s.yPitch = c.yPitch;
    analysis::setAxisRanges(s, c.chartNo, c.employees, c.comparison);
    EXPECT_EQ(s.xMin, c.xMin);
    EXPECT_EQ(s.xMax, c.xMax);
    EXPECT_EQ(s.yMin, c.yMin);
    EXPECT_EQ(s.yMax, c.yMax);
    EXPECT_EQ(s.xRange, qint64(c.xMax) - c.xMin);
    EXPECT_EQ(s.yRange, qint64(c.yMax) - c.yMin);
}

const TXYDATA none;
const TXYDATA wide = range(2, 15, 70, 5, 60);

INSTANTIATE_TEST_SUITE_P(
    Cases, AxisRanges,
    testing::Values(
        RangeCase{"AgesToPitchFive", 1010, range(9, 23.5, 61, 21, 40), none, 5, 5, 20, 65, 20, 40},
        RangeCase{"ExactMultiplesStay", 1010, range(3, 20, 60, 20, 40), none, 5, 5, 20, 60, 20, 40},
        RangeCase{"AllYZeroGivesFifty", 1010, range(4, 20, 60, 0, 0), none, 5, 5, 20, 60, 0, 50},
        RangeCase{"EmptySeries", 1010, none, none, 5, 5, 0, 0, 0, 50},
        RangeCase{"ZeroPitchGivesZero", 1010, range(4, 20, 60, 21, 40), none, 0, 0, 0, 0, 0, 50},
        RangeCase{"NegativeTruncatesTowardsZero", 1010, range(2, -7, 3, -3, 4), none, 5, 5, -5, 5, 0, 5},
        RangeCase{"CostOfLivingWidens", 1030, range(9, 23.5, 61, 21, 40), wide, 5, 5, 15, 70, 5, 60},
        RangeCase{"ModelWageWidens", 1040, range(9, 23.5, 61, 21, 40), wide, 5, 5, 15, 70, 5, 60},
        RangeCase{"RaiseDesignWidens", 1050, range(9, 23.5, 61, 21, 40), wide, 5, 5, 15, 70, 5, 60},
        RangeCase{"RaiseCurveDoesNotWiden", 1020, range(9, 23.5, 61, 21, 40), wide, 5, 5, 20, 65, 20, 40},
        RangeCase{"OptimalWageDoesNotWiden", 1070, range(9, 23.5, 61, 21, 40), wide, 5, 5, 20, 65, 20, 40},
        RangeCase{"EmptyComparisonIgnored", 1030, range(9, 23.5, 61, 21, 40), range(0, 0, 0, 0, 0), 5, 5, 20, 65,
                  20, 40},
        RangeCase{"HugeValuesHeldInsideInt", 1010, range(2, 1, 1e15, 1, 1e15), none, 5, 5, 0, INT_MAX, 0, INT_MAX}),
    [](const testing::TestParamInfo<RangeCase>& i) { return i.param.name; });

TEST(SpinBounds, FollowTheAxisMaximaBeyondSixteenBits)
{
    struct Case {
        int xMax, yMax;
        int xMinHigh, xMaxHigh, yMinHigh, yMaxHigh;
    };
    const Case cases[] = {
        {60, 40, 60, 90, 40, 60},
        {65, 45, 65, 97, 45, 67},             // Trunc(1.5 · 65) = 97
        {30000, 25000, 30000, 45000, 25000, 37500},   // above 21845 the 16-bit bounds broke
        {-10, 0, 0, 0, 0, 0},                  // a negative maximum leaves nothing to spin
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Case& c : cases) {
        TSDX s;
        s.xMax = c.xMax;
        s.yMax = c.yMax;
        const analysis::SpinBounds b = analysis::spinBoundsFor(s);
        SCOPED_TRACE(c.xMax);
        EXPECT_EQ(b.xMinLow, 0);
        EXPECT_EQ(b.xMaxLow, 0);
        EXPECT_EQ(b.yMinLow, 0);
        EXPECT_EQ(b.yMaxLow, 0);
        EXPECT_EQ(b.xMinHigh, c.xMinHigh);
        EXPECT_EQ(b.xMaxHigh, c.xMaxHigh);
        EXPECT_EQ(b.yMinHigh, c.yMinHigh);
        EXPECT_EQ(b.yMaxHigh, c.yMaxHigh);
    }
}

TEST(AxisEntry, AcceptsOrRefusesWithTheMessage)
{
    struct Case {
        const char* typed;
        bool accepted;
        int value;
        const char* message;
        const char* shown;
    };
    // The x maximum is 60, so its spin button runs 0 ... 90.
    const Case cases[] = {
        {"75", true, 75, "", "75"},
        {" 75 ", true, 75, "", "75"},
        {"0", true, 0, "", "0"},
        {"90", true, 90, "", "90"},
        {"150", false, 60, "入力範囲外です。0 ～ 90の値を入力して下さい。", "0"},
        {"-1", false, 60, "入力範囲外です。0 ～ 90の値を入力して下さい。", "0"},
        {"abc", false, 60, "数値を入力してください。", "60"},
        {"", false, 60, "数値を入力してください。", "60"},
        {"7.5", false, 60, "数値を入力してください。", "60"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const analysis::AxisEntryCheck r = analysis::checkAxisEntry(QString::fromUtf8(c.typed), 60, 0, 90);
        EXPECT_EQ(r.accepted, c.accepted);
        if (r.accepted) {
            EXPECT_EQ(r.value, c.value);
        }
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        EXPECT_EQ(r.shownText, QString::fromUtf8(c.shown));
    }
}

TEST(AxisName, DropsFullWidthSpaces)
{
    EXPECT_EQ(analysis::axisName(QStringLiteral("年　　齢")), QStringLiteral("年齢"));
    EXPECT_EQ(analysis::axisName(QStringLiteral("達 成 率")), QStringLiteral("達 成 率"));
}

} // namespace
