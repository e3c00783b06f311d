// Quadratic and cubic curves through a plot series, and their evaluation.

#include "analysis/Regression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

using analysis::TXYDATA;

// A series as the plot window leaves it: points, count and x range. The coefficients start from
// a value no fit produces, so a coefficient a fit forgets to write shows.
TXYDATA makeSeries(const std::vector<double>& xs, const std::vector<double>& ys)
{
    TXYDATA s;
    s.n = static_cast<int>(xs.size());
    s.xs = xs;
    s.ys = ys;
    if (!xs.empty()) {
        s.minX = *std::min_element(xs.begin(), xs.end());
        s.maxX = *std::max_element(xs.begin(), xs.end());
    }
    s.a0 = s.a1 = s.a2 = s.a3 = 42;
    return s;
}

enum class Fit { Quadratic, Cubic };

struct FitCase {
    std::string name;
    Fit fit;
    std::vector<double> xs, ys;
    double a0, a1, a2, a3;  // a3 = 42 for the quadratic: it must stay as it was
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.name;
}

class SeriesFit : public testing::TestWithParam<FitCase> {};

TEST_P(SeriesFit, GivesTheCoefficients)
{
    const FitCase& c = GetParam();
    TXYDATA s = makeSeries(c.xs, c.ys);
    if (c.fit == Fit::Quadratic)
        analysis::fitQuadratic(s);
    else
        analysis::fitCubic(s);
    EXPECT_NEAR(s.a0, c.a0, 1e-9);
    EXPECT_NEAR(s.a1, c.a1, 1e-9);
    EXPECT_NEAR(s.a2, c.a2, 1e-9);
    EXPECT_NEAR(s.a3, c.a3, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SeriesFit,
    testing::Values(
        FitCase{"QuadraticThroughALine", Fit::Quadratic, {1, 2, 3}, {3, 5, 7}, 1, 2, 0, 42},
        FitCase{"QuadraticThroughAParabolaFromZero", Fit::Quadratic, {0, 1, 2, 3}, {1, 2, 5, 10},
                1, 0, 1, 42},
        FitCase{"QuadraticLeastSquaresOfScatter", Fit::Quadratic, {1, 2, 3, 4}, {1, 3, 2, 5},
                // normal equations solved by hand: 4a0+10a1+30a2=11, 10a0+30a1+100a2=33,
                // 30a0+100a1+354a2=111
                1.25, -0.15, 0.25, 42},
        FitCase{"CubicThroughACubic", Fit::Cubic, {1, 2, 3, 4, 5}, {3, 11, 31, 69, 131}, 1, 1, 0, 1},
        FitCase{"CubicWithAllTerms", Fit::Cubic, {-2, -1, 0, 1, 2, 3},
                // y = 2 - 3x + 0.5x² + 0.25x³
                {8, 5.25, 2, -0.25, 0, 4.25}, 2, -3, 0.5, 0.25},
        FitCase{"QuadraticOfOnePointIsALevelLine", Fit::Quadratic, {2}, {7}, 7, 0, 0, 42},
        FitCase{"CubicOfOnePointIsALevelLine", Fit::Cubic, {2}, {7}, 7, 0, 0, 0},
        FitCase{"QuadraticWithAllXZeroIsTheMean", Fit::Quadratic, {0, 0, 0}, {2, 4, 9}, 5, 0, 0, 42},
        FitCase{"CubicWithAllXZeroIsTheMean", Fit::Cubic, {0, 0, 0}, {2, 4, 9}, 5, 0, 0, 0},
        FitCase{"QuadraticOfNoPointsIsZero", Fit::Quadratic, {}, {}, 0, 0, 0, 42},
        FitCase{"CubicOfNoPointsIsZero", Fit::Cubic, {}, {}, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

// The count decides which points take part, not the length of the arrays.
TEST(SeriesFitCount, UsesOnlyTheFirstNPoints)
{
    TXYDATA s = makeSeries({1, 2, 3, 4}, {3, 5, 7, 100});
    s.n = 3;
    analysis::fitQuadratic(s);
    EXPECT_NEAR(s.a0, 1, 1e-9);
    EXPECT_NEAR(s.a1, 2, 1e-9);
    EXPECT_NEAR(s.a2, 0, 1e-9);
}

struct EvalCase {
    std::string name;
    double a0, a1, a2, a3;
    double minX, maxX;
    double x, factor;
    double quadratic, cubic;
};

void PrintTo(const EvalCase& c, std::ostream* os)
{
    *os << c.name;
}

class CurveValue : public testing::TestWithParam<EvalCase> {};

TEST_P(CurveValue, AppliesTheZeroStartRuleAndTheFactor)
{
    const EvalCase& c = GetParam();
    TXYDATA s;
    s.a0 = c.a0;
    s.a1 = c.a1;
    s.a2 = c.a2;
    s.a3 = c.a3;
    s.minX = c.minX;
    s.maxX = c.maxX;
    EXPECT_DOUBLE_EQ(analysis::evalQuadratic(s, c.x, c.factor), c.quadratic);
    EXPECT_DOUBLE_EQ(analysis::evalCubic(s, c.x, c.factor), c.cubic);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CurveValue,
    testing::Values(
        // Starting at 0: the constant term is a0·x / maxX / 2.
        EvalCase{"FromZeroAtItsEnd", 1, 0, 1, 0, 0, 3, 3, 1, 9.5, 9.5},
        EvalCase{"FromZeroAtZero", 1, 0, 1, 0, 0, 3, 0, 1, 0, 0},
        EvalCase{"FromZeroInYen", 1, 0, 1, 0, 0, 3, 3, 10000, 95000, 95000},
        EvalCase{"FromZeroWithCubicTerm", 4, 1, 0, 2, 0, 2, 1, 1, 4 * 1.0 / 2 / 2 + 1, 1 + 1 + 2},
        // Anywhere else the constant term is a0.
        EvalCase{"NotFromZero", 1, 2, 3, 4, 1, 5, 2, 1, 1 + 4 + 12, 1 + 4 + 12 + 32},
        EvalCase{"AllAtZero", 5, 0, 0, 0, 0, 0, 0, 1, 5, 5},
        EvalCase{"NegativeStart", 1, 0, 1, 1, -2, 3, 2, 10, 50, 130}),
    [](const testing::TestParamInfo<EvalCase>& info) { return info.param.name; });

// The parabola through (0,1),(1,2),(2,5),(3,10) fitted and drawn as the plot window does it.
TEST(CurveValueAfterFit, SeriesFromZeroEndsAtHalfItsConstant)
{
    TXYDATA s = makeSeries({0, 1, 2, 3}, {1, 2, 5, 10});
    analysis::fitQuadratic(s);
    EXPECT_NEAR(analysis::evalQuadratic(s, 3, 1), 9.5, 1e-9);
    EXPECT_NEAR(analysis::evalQuadratic(s, 0, 1), 0, 1e-9);
}

}  // namespace
