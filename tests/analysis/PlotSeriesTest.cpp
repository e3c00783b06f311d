// Grouping of plotted points into the overall series and the mark groups.

#include "analysis/PlotSeries.h"
#include "data/Records.h"

#include <gtest/gtest.h>

namespace {

using analysis::SeriesArray;

data::TDChart_ row(const char* sco, double x, double y, qint64 mkco, qint64 f5 = 0, const char* label = "")
{
    data::TDChart_ r;
    r.SCO = QString::fromUtf8(sco);
    r.SNA = QStringLiteral("社員");
    r.MARKL = QString::fromUtf8(label);
    r.X = x;
    r.Y = y;
    r.MKCO = mkco;
    r.F5 = f5;
    return r;
}

analysis::MarkSet marks()
{
    analysis::MarkSet m;
    const char* symbols[] = {"■", "●", "▲", "◆", "★", "□", "○", "△", "◇"};
    for (int i = 0; i < 9; ++i)
        m[size_t(i)].mark = QString::fromUtf8(symbols[i]);
    return m;
}

TEST(AddPoint, FeedsTheOverallSeriesAndTheGroup)
{
    SeriesArray s;
    analysis::resetSeries(s);
    analysis::addPoint(s, QStringLiteral("●"), 100, 30, 40, 2);
    analysis::addPoint(s, QStringLiteral("★"), 300, 20, 50, 2);   // the group keeps its first name
    analysis::addPoint(s, QStringLiteral("▲"), 0, 10, 25, 3);
    analysis::finishSeries(s);

    EXPECT_EQ(s[0].name, QStringLiteral("全体"));
    EXPECT_EQ(s[0].n, 3);
    EXPECT_EQ(s[0].xs, (std::vector<double>{40, 50, 25}));
    EXPECT_EQ(s[0].ys, (std::vector<double>{30, 20, 10}));
    EXPECT_DOUBLE_EQ(s[0].minX, 25);
    EXPECT_DOUBLE_EQ(s[0].maxX, 50);
    EXPECT_DOUBLE_EQ(s[0].minY, 10);
    EXPECT_DOUBLE_EQ(s[0].maxY, 30);
    EXPECT_DOUBLE_EQ(s[0].meanX, 115.0 / 3);
    EXPECT_DOUBLE_EQ(s[0].meanY, 20);
    EXPECT_DOUBLE_EQ(s[0].meanW, 400.0 / 3);

    EXPECT_EQ(s[2].name, QStringLiteral("●"));
    EXPECT_EQ(s[2].n, 2);
    EXPECT_DOUBLE_EQ(s[2].sumX, 90);
    EXPECT_DOUBLE_EQ(s[2].meanW, 200);
    EXPECT_DOUBLE_EQ(s[2].minY, 20);
    EXPECT_DOUBLE_EQ(s[2].maxY, 30);
    EXPECT_EQ(s[3].n, 1);
    // A group's first point sets its minima and maxima, whatever the series held before reset.
    EXPECT_DOUBLE_EQ(s[3].minX, 25);
    EXPECT_DOUBLE_EQ(s[3].maxX, 25);
    for (int g : {1, 4, 5, 6, 7, 8, 9}) {
        EXPECT_EQ(s[size_t(g)].n, 0) << g;
        EXPECT_DOUBLE_EQ(s[size_t(g)].meanX, 0) << g;   // empty: the safe division gives 0
    }
}

TEST(AddPoint, IgnoresTheOriginAndGroupsOutsideOneToNine)
{
    for (auto [x, y, g] : {std::tuple{0.0, 0.0, 1}, {30.0, 20.0, 0}, {30.0, 20.0, 10}, {30.0, 20.0, -1}}) {
        SeriesArray s;
        analysis::resetSeries(s);
        analysis::addPoint(s, QString(), 0, y, x, g);
        EXPECT_EQ(s[0].n, 0) << x << "," << y << " group " << g;
    }
    // A point on an axis (one coordinate 0) counts.
    SeriesArray s;
    analysis::resetSeries(s);
    analysis::addPoint(s, QString(), 0, 0, 30, 1);
    analysis::addPoint(s, QString(), 0, 25, 0, 1);
    EXPECT_EQ(s[0].n, 2);
    EXPECT_DOUBLE_EQ(s[0].minX, 0);
    EXPECT_DOUBLE_EQ(s[0].minY, 0);
}

TEST(ResetSeries, EmptiesEverySeries)
{
    SeriesArray s;
    analysis::resetSeries(s);
    analysis::addPoint(s, QString(), 5, 30, 40, 9);
    analysis::finishSeries(s);
    analysis::resetSeries(s);
    for (const analysis::TXYDATA& t : s) {
        EXPECT_EQ(t.n, 0);
        EXPECT_TRUE(t.xs.empty());
        EXPECT_TRUE(t.ys.empty());
        EXPECT_DOUBLE_EQ(t.sumX + t.sumY + t.sumW + t.meanX + t.meanY + t.meanW + t.maxX + t.maxY, 0);
    }
}

TEST(MarkIndex, OutsideOneToNineUsesTheFirstMark)
{
    const std::pair<qint64, int> cases[] = {{1, 0}, {5, 4}, {9, 8}, {0, 0}, {10, 0}, {-3, 0}, {1000000000000, 0}};
    for (auto [mkco, index] : cases)
        EXPECT_EQ(analysis::markIndexOf(mkco), index) << mkco;
}

TEST(EmployeeSeries, EveryRowIsAPointButOnlyValidOnesJoinTheSeries)
{
    const std::vector<data::TDChart_> rows = {
        row("101", 30, 25.3, 1, 0, "101"),
        row("102", 40, 32, 2, -1200),
        row("103", 25, 21, 1),
        row("104", 0, 0, 3),     // at the origin: drawn, in no series
        row("105", 35, 28, 0),   // MKCO 0: drawn with mark 1, in no series
        row("106", 45, 33, 10),  // MKCO 10: the same
        row("x7", 50, 40, 3),    // an employee code that is no number reads as 0
    };
    SeriesArray s;
    const std::vector<analysis::PlotPoint> points = analysis::buildEmployeeSeries(rows, marks(), false, s);

    ASSERT_EQ(points.size(), rows.size());
    EXPECT_EQ(points[0].sco, 101);
    EXPECT_EQ(points[0].markLabel, QStringLiteral("101"));
    EXPECT_DOUBLE_EQ(points[1].w, -1200);
    EXPECT_EQ(points[4].markIndex, 0);
    EXPECT_EQ(points[5].markIndex, 0);
    EXPECT_EQ(points[6].sco, 0);
    EXPECT_EQ(points[6].markIndex, 2);

    EXPECT_EQ(s[0].n, 4);
    EXPECT_EQ(s[1].n, 2);
    EXPECT_EQ(s[1].name, QStringLiteral("■"));
    EXPECT_EQ(s[2].n, 1);
    EXPECT_EQ(s[3].n, 1);
    EXPECT_EQ(s[3].name, QStringLiteral("▲"));
    EXPECT_DOUBLE_EQ(s[0].meanW, -300);
    // Fitted: group 2 is a single point, a level line at its y.
    EXPECT_DOUBLE_EQ(s[2].a0, 32);
    EXPECT_DOUBLE_EQ(s[2].a1, 0);
    EXPECT_DOUBLE_EQ(s[2].a2, 0);
}

TEST(EmployeeSeries, FitsCubicOrQuadraticByTheChartSetting)
{
    // y = 1 + x + x³ is met exactly by the cubic; the quadratic leaves a3 alone.
    std::vector<data::TDChart_> rows;
    for (int x = 1; x <= 5; ++x)
        rows.push_back(row("1", x, 1 + x + x * x * x, 1));
    SeriesArray cubic;
    analysis::buildEmployeeSeries(rows, marks(), true, cubic);
    EXPECT_NEAR(cubic[1].a3, 1, 1e-9);
    EXPECT_NEAR(cubic[1].a0, 1, 1e-9);
    SeriesArray quadratic;
    quadratic[1].a3 = 42;
    analysis::buildEmployeeSeries(rows, marks(), false, quadratic);
    EXPECT_DOUBLE_EQ(quadratic[1].a3, 42);
    EXPECT_GT(std::abs(quadratic[1].a2), 1);
}

} // namespace
