// The multiple regression of the optimal wage analysis: the fit, its failures, its statistics and
// the prediction.

#include "analysis/Regression.h"

#include "ExactLeastSquares.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using analysis::TRegAut;
using analysis::TRegX;
using analysis::TRegY;

constexpr double kTolerance = 1e-10;  // what the optimal wage analysis passes

// Deterministic pseudo-random whole numbers (splitmix64), the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        state_ += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return lo + static_cast<std::int64_t>(z % static_cast<std::uint64_t>(hi - lo + 1));
    }

private:
    std::uint64_t state_;
};

// Whole-number data: rows [1, x1..xk] and y. Whole numbers are exact in double as well, so the
// exact solver and the fit see the same problem.
struct Data {
    std::vector<std::vector<std::int64_t>> rows;
    std::vector<std::int64_t> y;

    int n() const { return static_cast<int>(rows.size()); }
    int k() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()) - 1; }
    TRegX x() const
    {
        TRegX out;
        out.reserve(rows.size());
        for (const auto& row : rows)
            out.emplace_back(row.begin(), row.end());
        return out;
    }
    TRegY yValues() const { return TRegY(y.begin(), y.end()); }
};

// Employees as the optimal wage analysis sees them, nine attributes: birth year, hire year
// (follows the birth year), grade, evaluation, base pay and an allowance nearly proportional to it
// (yen), housing allowance, family count, sex. y is the scheduled pay in yen.
Data wageData(int n, std::uint64_t seed)
{
    Random random(seed);
    Data d;
    d.rows.reserve(n);
    d.y.reserve(n);
    for (int r = 0; r < n; ++r) {
        const std::int64_t birth = random.between(1960, 2000);
        const std::int64_t hire = birth + 18 + random.between(0, 12);
        const std::int64_t grade = 1 + (2024 - birth) / 8 + random.between(0, 1);
        const std::int64_t evaluation = random.between(1, 5);
        const std::int64_t base =
            150000 + 5500 * (2024 - birth) + 9000 * grade + random.between(0, 30000);
        const std::int64_t allowance = base / 10 + random.between(0, 3000);
        const std::int64_t housing = 5000 * random.between(0, 4);
        const std::int64_t family = random.between(0, 4);
        const std::int64_t sex = random.between(0, 1);
        d.rows.push_back({1, birth, hire, grade, evaluation, base, allowance, housing, family, sex});
        d.y.push_back(base + allowance + housing + 6000 * family + 3000 * evaluation
                      + 2500 * grade - 800 * (hire - 2000) - 400 * (birth - 1960) + 1500 * sex
                      + random.between(-20000, 20000));
    }
    return d;
}

// Birth year only, against pay in yen.
Data birthYearData(int n, std::uint64_t seed)
{
    Random random(seed);
    Data d;
    for (int r = 0; r < n; ++r) {
        const std::int64_t birth = random.between(1960, 2000);
        d.rows.push_back({1, birth});
        d.y.push_back(700000 - 5000 * (birth - 1960) + random.between(-30000, 30000));
    }
    return d;
}

// Base pay, a total that is base pay plus about a tenth of it, and a small independent amount.
Data nearlyProportionalYenData(int n, std::uint64_t seed)
{
    Random random(seed);
    Data d;
    for (int r = 0; r < n; ++r) {
        const std::int64_t base = random.between(200000, 800000);
        const std::int64_t total = base + base / 10 + random.between(0, 2000);
        const std::int64_t commuting = random.between(0, 30000);
        d.rows.push_back({1, base, total, commuting});
        d.y.push_back(12 * total + 4 * base + commuting + random.between(-50000, 50000));
    }
    return d;
}

// A column that is the sum of two others, up to a few hundred yen: distinct, but only just.
Data barelyDistinctSumData(int n, std::uint64_t seed)
{
    Data d = wageData(n, seed);
    Random random(seed + 1);
    for (std::size_t r = 0; r < d.rows.size(); ++r) {
        auto& row = d.rows[r];
        row = {1, row[1], row[5], row[6], row[5] + row[6] + random.between(-300, 300)};
    }
    return d;
}

// Everybody born in 1980 but one employee born in 1981: a column that is almost constant, yet
// not a constant, and must take part in the fit.
Data oneDifferentBirthYearData(int n, std::uint64_t seed)
{
    Data d = wageData(n, seed);
    for (auto& row : d.rows)
        row = {1, 1980, row[5], row[6]};
    d.rows[n / 2][1] = 1981;
    d.y[n / 2] += 50000;
    return d;
}

// The nine attributes of the optimal wage analysis as a company has them (age, service,
// experience, years in grade, grade, ability points, achievement rate in whole percent, job
// evaluation points, evaluation code) against the annual income in yen, which reaches 10⁷.
Data nineAttributesAnnualIncomeData(int n, std::uint64_t seed)
{
    Random random(seed);
    Data d;
    d.rows.reserve(n);
    d.y.reserve(n);
    for (int r = 0; r < n; ++r) {
        const std::int64_t age = random.between(18, 65);
        const std::int64_t service = random.between(0, age - 18);
        const std::int64_t experience = service + random.between(0, 10);
        const std::int64_t inGrade = random.between(0, std::min<std::int64_t>(service, 10));
        const std::int64_t grade = std::min<std::int64_t>(9, 1 + (age - 18) / 6 + random.between(0, 1));
        const std::int64_t points = random.between(1, 60);
        const std::int64_t rate = random.between(50, 150);
        const std::int64_t job = 150 + 80 * grade + random.between(0, 40);
        const std::int64_t evaluation = random.between(1, 5);
        d.rows.push_back({1, age, service, experience, inGrade, grade, points, rate, job, evaluation});
        d.y.push_back(2400000 + 60000 * age + 45000 * service + 8000 * experience + 12000 * inGrade
                      + 350000 * grade + 9000 * points + 2500 * rate + 1800 * job + 90000 * evaluation
                      + random.between(-400000, 400000));
    }
    return d;
}

// ---- Accuracy against the exact least-squares solution ---------------------------------------

struct AccuracyCase {
    std::string name;
    std::function<Data()> data;
};

void PrintTo(const AccuracyCase& c, std::ostream* os)
{
    *os << c.name;
}

class RegressionAccuracy : public testing::TestWithParam<AccuracyCase> {};

TEST_P(RegressionAccuracy, MatchesTheExactSolutionTo12Digits)
{
    const Data d = GetParam().data();
    const std::vector<long double> exactB = exact::leastSquares(d.rows, d.y);
    ASSERT_EQ(exactB.size(), static_cast<std::size_t>(d.k() + 1)) << "singular test data";

    TRegY b;
    ASSERT_TRUE(analysis::regressionFit(d.n(), d.k(), d.x(), d.yValues(), kTolerance, b));
    ASSERT_EQ(b.size(), exactB.size());
    for (std::size_t j = 0; j < b.size(); ++j) {
        const long double relative = std::fabs((b[j] - exactB[j]) / exactB[j]);
        EXPECT_LE(relative, 1e-12L) << "b" << j << " = " << b[j] << ", exact "
                                    << static_cast<double>(exactB[j]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegressionAccuracy,
    testing::Values(AccuracyCase{"BirthYearAgainstYen", [] { return birthYearData(40, 11); }},
                    AccuracyCase{"NearlyProportionalYenColumns",
                                 [] { return nearlyProportionalYenData(60, 12); }},
                    AccuracyCase{"NineAttributes", [] { return wageData(200, 13); }},
                    AccuracyCase{"NineAttributes100000Rows", [] { return wageData(100000, 14); }},
                    AccuracyCase{"BarelyDistinctSum100000Rows",
                                 [] { return barelyDistinctSumData(100000, 15); }},
                    AccuracyCase{"OneDifferentBirthYear100000Rows",
                                 [] { return oneDifferentBirthYearData(100000, 16); }},
                    AccuracyCase{"NineAttributesAnnualIncome100000Rows",
                                 [] { return nineAttributesAnnualIncomeData(100000, 17); }}),
    [](const testing::TestParamInfo<AccuracyCase>& info) { return info.param.name; });

// n rows for n unknowns: the fit passes through every point.
TEST(RegressionFit, AsManyRowsAsUnknownsFitsExactly)
{
    const TRegX x = {{1, 1960, 250000}, {1, 1975, 410000}, {1, 1990, 330000}};
    TRegY y;
    for (const auto& row : x)
        y.push_back(100000 - 300 * (row[1] - 1960) + 0.75 * row[2]);
    TRegY b;
    ASSERT_TRUE(analysis::regressionFit(3, 2, x, y, kTolerance, b));
    ASSERT_EQ(b.size(), 3u);
    EXPECT_NEAR(b[0], 100000 + 300 * 1960, 1e-12 * (100000 + 300 * 1960));
    EXPECT_NEAR(b[1], -300, 1e-12 * 300);
    EXPECT_NEAR(b[2], 0.75, 1e-12 * 0.75);
}

TEST(RegressionFit, WithoutAttributesGivesTheMean)
{
    const TRegX x = {{1}, {1}, {1}, {1}};
    TRegY b;
    ASSERT_TRUE(analysis::regressionFit(4, 0, x, {250000, 260000, 270000, 290000}, kTolerance, b));
    ASSERT_EQ(b.size(), 1u);
    EXPECT_DOUBLE_EQ(b[0], 267500);
}

// ---- Failures -------------------------------------------------------------------------------

struct Problem {
    int n;
    int k;
    TRegX x;
    TRegY y;
};

// Replaces the attribute columns of wage data with the chosen ones (indexes into a wage row).
Problem wageColumns(int n, std::uint64_t seed,
                    const std::function<std::vector<double>(const std::vector<std::int64_t>&)>& pick)
{
    const Data d = wageData(n, seed);
    Problem p{n, 0, {}, d.yValues()};
    p.x.reserve(n);
    for (const auto& row : d.rows) {
        std::vector<double> picked = pick(row);
        picked.insert(picked.begin(), 1.0);
        p.x.push_back(std::move(picked));
    }
    p.k = static_cast<int>(p.x.front().size()) - 1;
    return p;
}

struct FailureCase {
    std::string name;
    std::function<Problem()> problem;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class RegressionFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(RegressionFailure, FailsAndKeepsTheCoefficients)
{
    const Problem p = GetParam().problem();
    TRegY b = {7, 8, 9};
    EXPECT_FALSE(analysis::regressionFit(p.n, p.k, p.x, p.y, kTolerance, b));
    EXPECT_EQ(b, (TRegY{7, 8, 9}));
}

// Index of the wage row: 1 birth, 2 hire, 3 grade, 4 evaluation, 5 base, 6 allowance, 7 housing,
// 8 family, 9 sex.
INSTANTIATE_TEST_SUITE_P(
    Table, RegressionFailure,
    testing::Values(
        FailureCase{"IdenticalColumns",
                    [] {
                        return Problem{5, 2,
                                       {{1, 1960, 1960}, {1, 1971, 1971}, {1, 1985, 1985},
                                        {1, 1990, 1990}, {1, 2000, 2000}},
                                       {500000, 420000, 330000, 300000, 240000}};
                    }},
        FailureCase{"IdenticalYenColumns100000Rows",
                    [] {
                        return wageColumns(100000, 21, [](const auto& r) {
                            return std::vector<double>{double(r[1]), double(r[5]), double(r[5])};
                        });
                    }},
        FailureCase{"ConstantColumn",
                    [] {
                        return Problem{4, 2,
                                       {{1, 1960, 7}, {1, 1970, 7}, {1, 1980, 7}, {1, 1990, 7}},
                                       {1, 2, 4, 3}};
                    }},
        FailureCase{"ConstantYenColumn100000Rows",
                    [] {
                        return wageColumns(100000, 22, [](const auto& r) {
                            return std::vector<double>{double(r[1]), 250000.0, double(r[5])};
                        });
                    }},
        // 0.789 has no exact binary form: its sum over 100,000 rows is rounded, the column's
        // computed mean is not exactly its value, and the column must still count as constant.
        FailureCase{"ConstantInexactColumn100000Rows",
                    [] {
                        return wageColumns(100000, 23, [](const auto& r) {
                            return std::vector<double>{double(r[5]), 123456.789};
                        });
                    }},
        // A constant fraction far below 1, where the nearest whole number (0) is no centre.
        FailureCase{"ConstantFractionColumn",
                    [] {
                        Problem p{10, 2, {}, {}};
                        for (int r = 0; r < p.n; ++r) {
                            p.x.push_back({1, double(1960 + 3 * r), 0.1});
                            p.y.push_back(200000 + 1000 * (r % 4));
                        }
                        return p;
                    }},
        FailureCase{"ConstantThirdColumn1000Rows",
                    [] {
                        return wageColumns(1000, 28, [](const auto& r) {
                            return std::vector<double>{double(r[1]), 1.0 / 3, double(r[5])};
                        });
                    }},
        // Varies by a millionth of a yen on a million: below tolerance × its size, a constant.
        FailureCase{"VariationBelowToleranceOfItsSize",
                    [] {
                        Problem p{20, 2, {}, {}};
                        for (int r = 0; r < p.n; ++r) {
                            p.x.push_back({1, double(1960 + 2 * r), 1e6 + (r % 2) * 1e-6});
                            p.y.push_back(200000 + 1000 * (r % 3));
                        }
                        return p;
                    }},
        FailureCase{"ZeroColumn",
                    [] {
                        return wageColumns(50, 24, [](const auto& r) {
                            return std::vector<double>{0.0, double(r[5])};
                        });
                    }},
        FailureCase{"SumOfTwoColumns",
                    [] {
                        return Problem{5, 3,
                                       {{1, 2, 3, 5}, {1, 4, 1, 5}, {1, 3, 3, 6}, {1, 7, 2, 9},
                                        {1, 1, 8, 9}},
                                       {10, 12, 9, 20, 15}};
                    }},
        FailureCase{"SumOfTwoYenColumns100000Rows",
                    [] {
                        return wageColumns(100000, 25, [](const auto& r) {
                            return std::vector<double>{double(r[5]), double(r[1]), double(r[6]),
                                                       double(r[5] + r[6])};
                        });
                    }},
        FailureCase{"CombinationWithOffset100000Rows",
                    [] {
                        return wageColumns(100000, 26, [](const auto& r) {
                            return std::vector<double>{double(r[5]), double(r[6]),
                                                       double(2 * r[5] - 3 * r[6] + 30000),
                                                       double(r[8])};
                        });
                    }},
        FailureCase{"BirthAndAgeTogether100000Rows",
                    [] {
                        return wageColumns(100000, 27, [](const auto& r) {
                            return std::vector<double>{double(r[1]), double(2024 - r[1]),
                                                       double(r[5])};
                        });
                    }},
        // Experience counted from the age of 22 for everyone: collinear with age and the intercept
        // among nine attributes, against annual incomes of 10⁷ yen.
        FailureCase{"ExperienceFromAgeAmongNine100000Rows",
                    [] {
                        const Data d = nineAttributesAnnualIncomeData(100000, 29);
                        Problem p{d.n(), d.k(), d.x(), d.yValues()};
                        for (auto& row : p.x)
                            row[3] = row[1] - 22;
                        return p;
                    }},
        FailureCase{"FewerRowsThanUnknowns",
                    [] { return Problem{2, 2, {{1, 1960, 250000}, {1, 1970, 300000}}, {1, 2}}; }},
        FailureCase{"NoRows", [] { return Problem{0, 0, {}, {}}; }},
        FailureCase{"NoRowsWithAttributes", [] { return Problem{0, 2, {}, {}}; }},
        FailureCase{"RowShorterThanTheAttributes",
                    [] {
                        return Problem{3, 2, {{1, 1, 2}, {1, 2}, {1, 3, 1}}, {1, 2, 3}};
                    }},
        FailureCase{"FewerYValuesThanRows",
                    [] { return Problem{3, 1, {{1, 1}, {1, 2}, {1, 3}}, {1, 2}}; }},
        FailureCase{"NoLeadingOne",
                    [] { return Problem{3, 1, {{1, 1}, {0, 2}, {1, 3}}, {1, 2, 4}}; }}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// ---- Statistics -------------------------------------------------------------------------------

const QString kPreviousJudgement = QStringLiteral("前回の判定");

TRegAut staleStatistics()
{
    TRegAut s;
    s.R = s.R2 = s.adjustedR2 = s.SST = s.SSE = 99;
    s.judgement = kPreviousJudgement;
    return s;
}

TEST(RegressionStatistics, ComputesEveryFigureOfACompleteFit)
{
    // y on x = 1..4 with the least-squares line 0.5 + 0.8x: SST 5, SSE 1.8.
    const TRegX x = {{1, 1}, {1, 2}, {1, 3}, {1, 4}};
    TRegAut s = staleStatistics();
    ASSERT_TRUE(analysis::regressionStatistics(4, 1, kTolerance, s, {0.5, 0.8}, {1, 3, 2, 4}, x));
    EXPECT_NEAR(s.SST, 5, 1e-12);
    EXPECT_NEAR(s.SSE, 1.8, 1e-12);
    EXPECT_NEAR(s.R2, 0.64, 1e-12);
    EXPECT_NEAR(s.R, 0.8, 1e-12);
    EXPECT_NEAR(s.adjustedR2, 1 - 0.36 * 3 / 2, 1e-12);
    EXPECT_EQ(s.judgement, QStringLiteral("分析精度の判定 →　やや良い"));
}

struct JudgementCase {
    double r2;
    double r;
    QString text;
};

TEST(RegressionStatistics, JudgementThresholds)
{
    const QString veryGood = QStringLiteral("分析精度の判定 →　非常に良い");
    const QString fairlyGood = QStringLiteral("分析精度の判定 →　やや良い");
    const QString notGood = QStringLiteral("分析精度の判定 →　良くない");
    const JudgementCase cases[] = {
        {0.82, 0.905, veryGood},  {0.8, 0.9, veryGood},     {0.8, 0.8944, fairlyGood},
        {0.7999, 0.95, fairlyGood}, {0.79, 0.889, fairlyGood}, {0.5, 0.7, fairlyGood},
        {0.4999, 0.9, notGood},   {0.6, 0.6999, notGood},   {0.45, 0.671, notGood},
        {-0.2, 0.447, notGood},
    };
    for (const JudgementCase& c : cases)
        EXPECT_EQ(analysis::accuracyJudgement(c.r2, c.r), c.text) << "R2 " << c.r2 << ", R " << c.r;
}

// Three points whose fit explains exactly the share r2 of the variation: y = u + t·e with u and e
// orthogonal to each other and to the constant, |u|² = 2, |e|² = 6.
TEST(RegressionStatistics, JudgesTheFitOfData)
{
    const struct {
        double r2;
        QString text;
    } cases[] = {
        {0.82, QStringLiteral("分析精度の判定 →　非常に良い")},
        {0.79, QStringLiteral("分析精度の判定 →　やや良い")},
        {0.45, QStringLiteral("分析精度の判定 →　良くない")},
    };
    const TRegX x = {{1, -1}, {1, 0}, {1, 1}};
    for (const auto& c : cases) {
        const double t = std::sqrt((1 - c.r2) / (3 * c.r2));
        const TRegY y = {-1 + t, -2 * t, 1 + t};
        TRegY b;
        ASSERT_TRUE(analysis::regressionFit(3, 1, x, y, kTolerance, b));
        TRegAut s = staleStatistics();
        EXPECT_TRUE(analysis::regressionStatistics(3, 1, kTolerance, s, b, y, x));
        EXPECT_NEAR(s.R2, c.r2, 1e-12);
        EXPECT_NEAR(s.R, std::sqrt(c.r2), 1e-12);
        EXPECT_EQ(s.judgement, c.text) << "R2 " << c.r2;
    }
}

TEST(RegressionStatistics, ThreeRowsTwoAttributesLeaveAdjustedR2AndJudgement)
{
    const TRegX x = {{1, 1960, 250000}, {1, 1975, 410000}, {1, 1990, 330000}};
    const TRegY y = {310000, 400000, 350000};
    TRegY b;
    ASSERT_TRUE(analysis::regressionFit(3, 2, x, y, kTolerance, b));
    TRegAut s = staleStatistics();
    EXPECT_FALSE(analysis::regressionStatistics(3, 2, kTolerance, s, b, y, x));
    EXPECT_NEAR(s.R2, 1, 1e-9);
    EXPECT_NEAR(s.R, 1, 1e-9);
    EXPECT_GT(s.SST, 0);
    EXPECT_EQ(s.adjustedR2, 0);
    EXPECT_EQ(s.judgement, kPreviousJudgement);
}

TEST(RegressionStatistics, ConstantYLeavesCorrelationAndJudgement)
{
    const TRegX x = {{1, 1}, {1, 2}, {1, 3}, {1, 4}};
    const TRegY y(4, 300000);
    TRegAut s = staleStatistics();
    EXPECT_FALSE(analysis::regressionStatistics(4, 1, kTolerance, s, {299990, 0}, y, x));
    EXPECT_EQ(s.SST, 0);
    EXPECT_NEAR(s.SSE, 4 * 100, 1e-9);
    EXPECT_EQ(s.R, 0);
    EXPECT_EQ(s.R2, 0);
    EXPECT_EQ(s.adjustedR2, 0);
    EXPECT_EQ(s.judgement, kPreviousJudgement);
}

TEST(RegressionStatistics, NoRowsClearsTheFigures)
{
    TRegAut s = staleStatistics();
    EXPECT_FALSE(analysis::regressionStatistics(0, 2, kTolerance, s, {1, 2, 3}, {}, {}));
    EXPECT_EQ(s.SST, 0);
    EXPECT_EQ(s.SSE, 0);
    EXPECT_EQ(s.R, 0);
    EXPECT_EQ(s.R2, 0);
    EXPECT_EQ(s.adjustedR2, 0);
    EXPECT_EQ(s.judgement, kPreviousJudgement);
}

// ---- Prediction -------------------------------------------------------------------------------

TEST(RegressionPredict, RoundsHalvesToEven)
{
    const struct {
        std::vector<double> row;
        TRegY coef;
        double expected;
    } cases[] = {
        {{1}, {253500.5}, 253500},
        {{1}, {253501.5}, 253502},
        {{1, 253500}, {0.5, 1}, 253500},
        {{1, 126750, 1}, {0, 2, 1.5}, 253502},  // 253500 + 1.5
        {{1, 2}, {0.25, 1}, 2},                 // 2.25
        {{1, 2}, {0.75, 1}, 3},                 // 2.75
        {{1}, {-2.5}, -2},
        {{1}, {-3.5}, -4},
        {{1, 1980, 400000}, {-1000000, 500, 0.9}, 350000},
        // The first value of the row is not read: a row [0, x] predicts as [1, x].
        {{0, 10}, {5, 2}, 25},
    };
    for (const auto& c : cases)
        EXPECT_EQ(analysis::predict(c.row, c.coef), c.expected) << "expected " << c.expected;
}

// The predictions of a fit reproduce data that lie on its plane, in whole yen.
TEST(RegressionPredict, ReproducesExactDataAtWageMagnitudes)
{
    const Data d = wageData(1000, 31);
    TRegY y;
    for (const auto& row : d.rows)
        y.push_back(double(120000 + 2 * row[5] - 3 * row[6] + 7000 * row[3] - 150 * (row[1] - 1960)));
    const TRegX x = d.x();
    TRegY b;
    ASSERT_TRUE(analysis::regressionFit(d.n(), d.k(), x, y, kTolerance, b));
    for (int r = 0; r < d.n(); ++r)
        ASSERT_EQ(analysis::predict(x[r], b), y[r]) << "row " << r;
}

}  // namespace
