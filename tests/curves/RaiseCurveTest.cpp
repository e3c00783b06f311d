// The raise curve analysis without its screen: the settings it stores and reads back, the
// selection of the optimal wage as x item, and the curves the plot window fits and draws for a
// sample company (per group and overall, with the companions at the given levels).

#include "../analysis/ExactLeastSquares.h"
#include "../analysis/PlotFixture.h"
#include "../analysis/UiFixture.h"
#include "analysis/ChartPainter.h"
#include "analysis/ChartScale.h"
#include "analysis/PlotData.h"
#include "analysis/Regression.h"
#include "analysis/TQK1100.h"
#include "curves/RaiseCurve.h"
#include "data/DbAccess.h"
#include "data/InstallData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::string s(const QString& q) { return q.toStdString(); }

curves::RaiseCurveOptions everyone()
{
    curves::RaiseCurveOptions o;
    o.selection = plotfixture::everyone();
    return o;
}

TEST(RaiseCurveSettings, StoredValuesOutsideWhatTheScreenWrites)
{
    struct Case {
        const char* fx;
        qint64 markr, fkinji, cgraph, mibun, sex;
        int x, mark, degree;
        bool perGroup;
        int workForm, sexIndex;
    };
    const Case cases[] = {
        {"5", 1, 1, 1, 3, 0, 5, 1, 1, true, 3, 0},
        {"5", 3, 0, 0, 4, 2, 5, 3, 0, false, 4, 2},
        {"9", 2, 2, 2, 5, 3, 0, 0, 0, false, 4, 2},   // zone label never offered; work form above 4
        {"abc", -1, -1, -1, -1, -1, 0, 0, 0, false, 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fx);
        data::TChart_ r;
        r.FX = QString::fromUtf8(c.fx);
        r.MARKR = c.markr;
        r.FKINJI = c.fkinji;
        r.CGRAPH = c.cgraph;
        r.MIBUN = c.mibun;
        r.SEX = c.sex;
        const curves::RaiseCurveOptions o = curves::raiseCurveOptionsFrom(r);
        EXPECT_EQ(o.selection.xItem, c.x);
        EXPECT_EQ(o.selection.markLabel, c.mark);
        EXPECT_EQ(o.degree, c.degree);
        EXPECT_EQ(o.perGroup, c.perGroup);
        EXPECT_EQ(o.selection.workForm, c.workForm);
        EXPECT_EQ(o.selection.sex, c.sexIndex);
    }
}

TEST(RaiseCurveSettings, ChartRowCarriesFitAndLevels)
{
    curves::RaiseCurveOptions o = everyone();
    o.selection.xItem = curves::optimalWageItem;
    o.selection.yItem = 5;
    o.degree = 1;
    o.perGroup = true;
    o.levels = {10, -10, 2.5, 0};
    const data::TChart_ r = curves::raiseCurveChartRow(o, QStringLiteral("1"), QStringLiteral("2020"));
    EXPECT_EQ(s(r.CHCO), "1020");
    EXPECT_EQ(r.FKINJI, 1);
    EXPECT_EQ(r.CGRAPH, 1);
    EXPECT_EQ(r.SJYUN1, 10);
    EXPECT_EQ(r.SJYUN2, -10);
    EXPECT_EQ(r.SJYUN3, 2.5);
    EXPECT_EQ(r.SJYUN4, 0);
    EXPECT_EQ(s(r.XNAME), "最適賃金");
    EXPECT_EQ(s(r.XUNIT), "万円");
    EXPECT_EQ(r.XPITCH, 50);   // the optimal wage takes the pitch of the y item (annual income)
    EXPECT_EQ(r.YPITCH, 50);
    const curves::RaiseCurveOptions back = curves::raiseCurveOptionsFrom(r);
    EXPECT_EQ(back.levels, o.levels);
    EXPECT_EQ(back.degree, 1);
    EXPECT_TRUE(back.perGroup);
}

TEST(RaiseCurveRows, SelectionAndOrder)
{
    curves::RaiseCurveOptions o = everyone();
    o.selection.workForm = 0;
    o.selection.sex = 1;
    o.selection.grades = {true, true, false, false, false, false, false, false, false};
    EXPECT_EQ(s(curves::raiseCurveWhere(o, QStringLiteral("1"), QStringLiteral("2020"))),
              " WHERE NENDO = 2020   AND KCO   = 1 AND SM1 = 1 and TCO  IN(1,2) AND MCO  IN(1,2,3,4,5,6,7,8,9)"
              " AND SEIBETSU = 1 ORDER BY KCO,NEWDAY1");
    o.selection.xItem = curves::optimalWageItem;
    EXPECT_EQ(s(curves::raiseCurveWhere(o, QStringLiteral("1"), QStringLiteral("2020"))),
              " WHERE NENDO = 2020   AND KCO   = 1   AND FITNO <>  0 ORDER BY KCO,NEWDAY1");
}

TEST(RaiseCurveRows, OptimalWageAsXItem)
{
    TestHome home;
    plotfixture::makeCompany(home);
    data::TFDM& dm = home.dm();
    curves::RaiseCurveOptions o = everyone();
    o.selection.xItem = curves::optimalWageItem;
    o.selection.yItem = 0;

    // Nobody carries an optimal wage yet: nothing is written.
    const curves::RaiseCurveRows none = curves::buildRaiseCurveRows(dm, o);
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.employees, 0);
    EXPECT_FALSE(none.firstFitNo.has_value());

    data::Query q(dm.ACN2);
    for (const char* sql : {"UPDATE MSYAIN2 SET FITNO = 3, FITKIN = 330000, FITJITSU = 340000 WHERE SCO = 104",
                            "UPDATE MSYAIN2 SET FITNO = 5, FITKIN = 300000, FITJITSU = 290000 WHERE SCO = 102",
                            "UPDATE MSYAIN1 SET NEWDAY1 = '20100401' WHERE SCO = 104",
                            "UPDATE MSYAIN1 SET NEWDAY1 = '20150401' WHERE SCO = 102"}) {
        q.setSql(QString::fromUtf8(sql));
        ASSERT_GE(q.exec(), 1) << sql;
    }
    const curves::RaiseCurveRows rows = curves::buildRaiseCurveRows(dm, o);
    ASSERT_TRUE(rows.ok);
    EXPECT_EQ(rows.employees, 2);
    EXPECT_EQ(rows.firstFitNo, 3);
    EXPECT_EQ(rows.yItem, 2);   // the item the first employee's optimal wage was computed for: base pay

    data::TDChart_rec set;
    ASSERT_TRUE(data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM DCHART"),
                              QStringLiteral(" order by NO"), set));
    ASSERT_EQ(set.items.size(), 2u);
    const data::TDChart_& first = set.items[0];
    EXPECT_EQ(s(first.SCO), "104");
    EXPECT_DOUBLE_EQ(first.X, 33.0);
    EXPECT_DOUBLE_EQ(first.Y, 42.0);   // base pay 400,000 + 20,000
    EXPECT_EQ(first.F5, 10000);
    EXPECT_EQ(set.items[1].F5, -10000);
}

// A sample company of a new installation, opened as the company dialog would.
class SampleCompany : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(home.openInstalledSample());
        // Ages count to the company's reference date (the plot window's loading switches to it).
        data::AppState& st = home.dm().state;
        st.AgeByToday = 0;
        st.AgeReferenceDate = 20200401;
    }

    // Writes the rows and settings of o and loads chart 1020 as the plot window does.
    analysis::PlotData analyse(const curves::RaiseCurveOptions& o)
    {
        const curves::RaiseCurveRows rows = curves::buildRaiseCurveRows(home.dm(), o);
        EXPECT_TRUE(rows.ok);
        EXPECT_GT(rows.employees, 20);
        EXPECT_TRUE(curves::saveRaiseCurveSettings(home.dm(), o));
        return analysis::loadPlotData(home.dm(), analysis::chart::RaiseCurve);
    }

    TestHome home{false};
};

TEST_F(SampleCompany, CurvesPerGroupAndOverallMatchExactLeastSquares)
{
    for (int degree : {0, 1}) {
        SCOPED_TRACE(degree == 0 ? "quadratic" : "cubic");
        curves::RaiseCurveOptions o = everyone();
        o.selection.xItem = 0;
        o.selection.yItem = 2;
        o.degree = degree;
        o.perGroup = true;
        o.levels = {10, -10, 0, 0};
        const analysis::PlotData plot = analyse(o);
        EXPECT_EQ(plot.chart.settings.FKINJI, degree);
        EXPECT_EQ(plot.chart.settings.CGRAPH, 1);
        EXPECT_EQ(plot.chart.settings.SJYUN1, 10);
        EXPECT_EQ(plot.chart.settings.SJYUN2, -10);

        // The reference: exact least squares over the plot rows of each group (yen, whole numbers).
        std::array<std::vector<std::vector<std::int64_t>>, 10> rows;
        std::array<std::vector<std::int64_t>, 10> ys;
        for (const analysis::PlotPoint& p : plot.chart.points) {
            const auto x = std::int64_t(std::llround(p.x));
            std::vector<std::int64_t> row{1, x, x * x};
            if (degree == 1)
                row.push_back(x * x * x);
            for (int g : {0, p.mkco}) {
                rows[size_t(g)].push_back(row);
                ys[size_t(g)].push_back(std::llround(p.y * 10000));
            }
        }
        int groupsFitted = 0;
        for (size_t g = 0; g < 10; ++g) {
            const analysis::TXYDATA& series = plot.chart.employees[g];
            ASSERT_EQ(size_t(series.n), rows[g].size()) << g;
            const std::vector<long double> b = exact::leastSquares(rows[g], ys[g]);
            if (b.empty())
                continue;   // too few distinct ages for this degree
            ++groupsFitted;
            const double fitted[4] = {series.a0, series.a1, series.a2, series.a3};
            for (size_t i = 0; i < b.size(); ++i)
                EXPECT_NEAR(fitted[i] * 10000, double(b[i]), 1e-6 * std::max(1.0L, std::fabs(b[i]))) << g << " a" << i;
        }
        EXPECT_GE(groupsFitted, 4);
    }
}

TEST_F(SampleCompany, OverallCurveWithCompanionsAtTheLevels)
{
    curves::RaiseCurveOptions o = everyone();
    o.selection.xItem = 0;
    o.selection.yItem = 2;
    o.perGroup = false;
    o.levels = {10, -10, 0, 0};
    analysis::PlotData plot = analyse(o);
    plot.chart.points.clear();   // only the curves: no mark can be mistaken for a line
    analysis::PlotData bare = plot;
    bare.chart.settings.SJYUN1 = bare.chart.settings.SJYUN2 = 0;

    const QSize window(1200, 760);
    const int panel = analysis::TQK1100::panelWidth;
    const QImage withLevels = analysis::renderChart(plot.chart, window, panel);
    const QImage without = analysis::renderChart(bare.chart, window, panel);
    const analysis::ChartPainter painter(plot.chart, window, panel);
    const analysis::TXYDATA& all = plot.chart.employees[0];
    const QColor green(0, 128, 0);
    for (double x : {all.minX + (all.maxX - all.minX) / 3, all.minX + 2 * (all.maxX - all.minX) / 3}) {
        const double y = analysis::evalQuadratic(all, x, 1.0);
        const int px = analysis::pixelX(painter.layout(), plot.chart.scale, x);
        for (double factor : {1.1, 0.9, 1.0}) {
            SCOPED_TRACE(testing::Message() << "x " << x << " factor " << factor);
            const QRect around(px - 3, analysis::pixelY(painter.layout(), plot.chart.scale, factor * y) - 3, 7, 7);
            EXPECT_GT(countTinted(withLevels, around, green), 0);
            if (factor != 1.0) {
                EXPECT_EQ(countTinted(without, around, green), 0);
            }
        }
    }
}

} // namespace
