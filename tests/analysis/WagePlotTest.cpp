// The wage plot without its screen: the employee selection, the point values, the plot rows written
// in one transaction, the chart settings and the plot window's loading of them.

#include "PlotFixture.h"
#include "analysis/PlotData.h"
#include "analysis/WagePlot.h"

#include <gtest/gtest.h>

namespace {

using analysis::WagePlotOptions;

std::string s(const QString& q) { return q.toStdString(); }

qint64 scalar(data::Connection& c, const QString& sql)
{
    data::Query q(c);
    q.setSql(sql);
    if (!q.open() || q.eof())
        return -1;
    const qint64 v = q.intValue(0);
    q.close();
    return v;
}

TEST(WagePlotWhere, BuildsTheSelectionFromTheOptions)
{
    struct Case {
        const char* name;
        WagePlotOptions o;
        const char* where;
    };
    WagePlotOptions all = plotfixture::everyone();
    WagePlotOptions some = all;
    some.workForm = 1;
    some.sex = 0;
    some.grades = {true, false, true, false, false, false, false, false, false};
    some.plotMarks = {false, true, false, false, false, false, false, false, true};
    WagePlotOptions table = some;
    table.wageTable = 3;
    table.sex = 1;
    WagePlotOptions nothing = all;
    nothing.grades.assign(9, false);
    const Case cases[] = {
        {"everyone", all,
         " WHERE NENDO = 2020     AND KCO = 1 and TCO  IN(1,2,3,4,5,6,7,8,9) AND MCO  IN(1,2,3,4,5,6,7,8,9)"
         " ORDER BY SCO"},
        {"work form, grades, marks, men", some,
         " WHERE NENDO = 2020     AND KCO = 1 AND SM1 = 2 and TCO  IN(1,3) AND MCO  IN(2,9) AND SEIBETSU = 0"
         " ORDER BY SCO"},
        {"wage table grades, women", table,
         " WHERE NENDO = 2020     AND KCO = 1 AND SM1 = 2 AND SKCO = 3 and TOUKYU  IN(1,3) AND MCO  IN(2,9)"
         " AND SEIBETSU = 1 ORDER BY SCO"},
        {"no grade matches nobody", nothing,
         " WHERE NENDO = 2020     AND KCO = 1 and TCO  IN(99999) AND MCO  IN(1,2,3,4,5,6,7,8,9) ORDER BY SCO"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s(analysis::wagePlotWhere(c.o, QStringLiteral("1"), QStringLiteral("2020"))), c.where) << c.name;
}

TEST(WagePlotOptions, StoredIndexesOutsideTheirRanges)
{
    struct Case {
        const char* fx;
        const char* fy;
        qint64 markr, mibun, sex;
        int x, y, mark, workForm, sexIndex;
    };
    const Case cases[] = {
        {"3", "5", 1, 2, 0, 3, 5, 1, 2, 0},
        {"", "abc", 2, 4, 1, 0, 0, 2, 4, 1},
        {"6", "-1", 4, 7, 3, 0, 0, 0, 4, 2},   // MIBUN 7 selects すべて
        {"2.0", "1", -1, -2, -1, 2, 1, 0, 4, 2},
    };
    for (const Case& c : cases) {
        data::TChart_ r;
        r.FX = QString::fromUtf8(c.fx);
        r.FY = QString::fromUtf8(c.fy);
        r.MARKR = c.markr;
        r.MIBUN = c.mibun;
        r.SEX = c.sex;
        r.FCHK = QStringLiteral("101");
        const WagePlotOptions o = analysis::wagePlotOptionsFrom(r);
        SCOPED_TRACE(c.fx);
        EXPECT_EQ(o.xItem, c.x);
        EXPECT_EQ(o.yItem, c.y);
        EXPECT_EQ(o.markLabel, c.mark);
        EXPECT_EQ(o.workForm, c.workForm);
        EXPECT_EQ(o.sex, c.sexIndex);
        EXPECT_EQ(o.plotMarks, (std::vector<bool>{true, false, true, false, false, false, false, false, false}));
    }
}

TEST(WagePlotValues, EachItemOfOneEmployee)
{
    data::TSyain_ e;
    e.SCO = QStringLiteral("101");
    e.NENREI = 30;
    e.KINZOKU = 5;
    e.NENSU = 10;
    e.GOUHOU = 12;
    e.TRITSU = 97.5;
    e.TENSU = 310;
    e.KKYU1 = 253000;
    e.KKYU2 = 20000;
    e.BaseTotal = 273000;
    e.ScheduledPay = 283000;
    e.SYOUYO = 500000;
    e.SYOUYO2 = 600000;
    e.AnnualIncome = 283000 * 12 + 1100000;
    e.HYOUKA = QStringLiteral("A");
    e.ZONEX = 3;
    const double xs[] = {30, 5, 10, 12, 97.5, 310};
    const double ys[] = {25.3, 2, 27.3, 28.3, 110, 449.6};
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(analysis::wagePlotX(e, i), xs[i]) << "x item " << i;
        EXPECT_DOUBLE_EQ(analysis::wagePlotY(e, i), ys[i]) << "y item " << i;
    }
    const char* labels[] = {"101", "A", "3", ""};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s(analysis::wagePlotMarkLabel(e, i)), labels[i]) << "mark label " << i;
}

class WagePlotRows : public testing::Test {
protected:
    void SetUp() override { plotfixture::makeCompany(home); }
    TestHome home;
};

TEST_F(WagePlotRows, OneRowPerSelectedEmployee)
{
    WagePlotOptions o = plotfixture::everyone();
    o.workForm = 0;   // work form 1: employee 103 is left out
    const analysis::PlotRowsResult r = analysis::buildWagePlotRows(home.dm(), o);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.employees, 4);

    data::TDChart_rec rows;
    ASSERT_TRUE(data::Selects(home.dm().ACN2, home.dm().Query21, false, QStringLiteral("SELECT * FROM DCHART"),
                              QStringLiteral(" order by NO"), rows));
    ASSERT_EQ(rows.items.size(), 4u);
    const struct {
        const char* sco;
        double x, y;
        qint64 mkco;
    } expected[] = {{"101", 30, 25.3, 1}, {"102", 40, 32, 2}, {"104", 50, 40, 3}, {"105", 35, 28, 2}};
    for (size_t i = 0; i < 4; ++i) {
        const data::TDChart_& d = rows.items[i];
        SCOPED_TRACE(expected[i].sco);
        EXPECT_EQ(s(d.SCO), expected[i].sco);
        EXPECT_EQ(d.SNA, QStringLiteral("社員") + d.SCO);
        EXPECT_EQ(d.MARKL, d.SCO);
        EXPECT_DOUBLE_EQ(d.X, expected[i].x);
        EXPECT_DOUBLE_EQ(d.Y, expected[i].y);
        EXPECT_EQ(d.MKCO, expected[i].mkco);
        EXPECT_EQ(d.NO, qint64(i) + 1);
        EXPECT_EQ(d.F5, 0);
    }
    home.expectNoUnexpected();
}

TEST_F(WagePlotRows, NobodyMatchingLeavesThePreviousRows)
{
    ASSERT_EQ(analysis::buildWagePlotRows(home.dm(), plotfixture::everyone()).employees, 5);
    WagePlotOptions women = plotfixture::everyone();
    women.sex = 1;
    women.plotMarks = {false, false, true, false, false, false, false, false, false};   // only mark 3: a man
    const analysis::PlotRowsResult r = analysis::buildWagePlotRows(home.dm(), women);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.employees, 0);
    EXPECT_EQ(scalar(home.dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM DCHART")), 5);
}

TEST_F(WagePlotRows, AFailingRowWritesNone)
{
    data::TFDM& dm = home.dm();
    ASSERT_EQ(analysis::buildWagePlotRows(dm, plotfixture::everyone()).employees, 5);
    ASSERT_TRUE(dm.ACN2.executeRaw(QStringLiteral(
        "CREATE TRIGGER boom BEFORE INSERT ON DCHART WHEN NEW.NO = 3 BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    WagePlotOptions o = plotfixture::everyone();
    o.yItem = 2;
    const analysis::PlotRowsResult r = analysis::buildWagePlotRows(dm, o);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_TRUE(home.dialogs.log[0].text.contains(QStringLiteral("disk full")));
    // The old rows, item I, are all still there.
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM DCHART")), 5);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM DCHART WHERE Y = 25.3")), 1);
    EXPECT_EQ(dm.ACN2.transactionDepth(), 0);
}

TEST_F(WagePlotRows, SettingsRoundTrip)
{
    data::TFDM& dm = home.dm();
    data::TChart_ fresh;
    ASSERT_TRUE(analysis::loadChartSettings(dm, 1010, fresh));
    EXPECT_EQ(s(fresh.FCHK), "000000000");
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MCHART WHERE CHCO = 1010")), 1);

    WagePlotOptions o = plotfixture::everyone();
    o.xItem = 4;
    o.yItem = 5;
    o.markLabel = 1;
    o.workForm = 2;
    o.sex = 0;
    o.grades[8] = false;
    o.title = QStringLiteral("達成率と年収");
    o.explanation = QStringLiteral("説明");
    ASSERT_TRUE(analysis::saveWagePlotSettings(dm, o));
    data::TChart_ row;
    ASSERT_TRUE(analysis::loadChartSettings(dm, 1010, row));
    EXPECT_EQ(s(row.FX), "4");
    EXPECT_EQ(s(row.FY), "5");
    EXPECT_EQ(row.MARKR, 1);
    EXPECT_EQ(row.MIBUN, 2);
    EXPECT_EQ(row.SEX, 0);
    EXPECT_EQ(s(row.FCHK), "111111111");
    EXPECT_EQ(s(row.TOUKYU), "111111110");
    EXPECT_EQ(row.TITLE, o.title);
    EXPECT_EQ(row.KAISETSU, o.explanation);
    EXPECT_EQ(row.XNAME, QStringLiteral("達 成 率"));
    EXPECT_EQ(row.YNAME, QStringLiteral("年　収"));
    EXPECT_EQ(row.XUNIT, QStringLiteral("％"));
    EXPECT_EQ(row.YUNIT, QStringLiteral("万円"));
    EXPECT_EQ(row.XPITCH, 10);
    EXPECT_EQ(row.YPITCH, 50);
    EXPECT_EQ(row.CGRAPH, 1);
    EXPECT_EQ(row.FKINJI, 0);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MCHART WHERE CHCO = 1010")), 1);
    home.expectNoUnexpected();
}

TEST_F(WagePlotRows, PlotWindowLoadsTheRowsIntoSeriesAndScale)
{
    data::TFDM& dm = home.dm();
    const WagePlotOptions o = plotfixture::everyone();
    ASSERT_EQ(analysis::buildWagePlotRows(dm, o).employees, 5);
    ASSERT_TRUE(analysis::saveWagePlotSettings(dm, o));
    dm.state.AgeByToday = 0;

    const analysis::PlotData d = analysis::loadPlotData(dm, 1010);
    EXPECT_EQ(dm.state.AgeByToday, 1);   // FNK of a company without basic settings is 9
    const analysis::ChartModel& c = d.chart;
    ASSERT_EQ(c.points.size(), 5u);
    EXPECT_EQ(c.points[3].sco, 104);
    EXPECT_EQ(c.employees[0].n, 5);
    EXPECT_EQ(c.employees[1].n, 2);
    EXPECT_EQ(c.employees[2].n, 2);
    EXPECT_EQ(c.employees[3].n, 1);
    EXPECT_EQ(c.employees[1].name, QStringLiteral("■"));
    EXPECT_DOUBLE_EQ(c.employees[0].meanY, (25.3 + 32 + 21 + 40 + 28) / 5);
    EXPECT_EQ(c.scale.xMin, 25);
    EXPECT_EQ(c.scale.xMax, 50);
    EXPECT_EQ(c.scale.yMin, 20);
    EXPECT_EQ(c.scale.yMax, 40);
    EXPECT_EQ(c.scale.xName, QStringLiteral("年齢"));
    EXPECT_EQ(c.scale.yName, QStringLiteral("項目Ⅰ"));
    EXPECT_EQ(c.scale.xUnit, QStringLiteral("歳"));
    EXPECT_EQ(c.scale.yUnit, QStringLiteral("万円"));
    EXPECT_EQ(c.pens[0].color, QColor(0, 0, 255));
    EXPECT_EQ(c.pens[1].color, QColor(255, 0, 0));
    EXPECT_EQ(c.employeeMarks[0].markColor, plotfixture::markColors[0]);
    for (const auto& t : c.comparison)
        EXPECT_EQ(t.n, 0);
    home.expectNoUnexpected();
}

} // namespace
