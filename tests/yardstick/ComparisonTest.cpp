// The comparisons with the cost of living (1030) and the model wages (1040) without their screens:
// stored settings the screens would not write, the chart rows and the employee selection, the
// plot rows and the comparison series the plot window builds from the sample data.

#include "YardstickFixture.h"
#include "analysis/PlotData.h"
#include "yardstick/Comparison.h"

#include <gtest/gtest.h>

namespace {

using namespace yardstick;
using yardfixture::scalar;
using yardfixture::s;

constexpr ComparisonKind Living = ComparisonKind::CostOfLiving;
constexpr ComparisonKind Model = ComparisonKind::ModelWage;

analysis::WagePlotOptions everyone()
{
    analysis::WagePlotOptions o;
    o.plotMarks.assign(9, true);
    o.grades.assign(9, true);
    o.workForm = 4;
    o.sex = 2;
    return o;
}

TEST(ComparisonSettings, StoredIndexesFallBackToWhatTheScreenCanShow)
{
    struct Case {
        const char* name;
        ComparisonKind kind;
        const char* fx;
        const char* fy;
        qint64 markr, mibun, sex, fkinji, cgraph;
        int x, y, mark, workForm, sexIndex, fit, curves;
    };
    const Case cases[] = {
        {"a new row (FY 0) checks 基本給", Living, "0", "0", 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0},
        {"what the screen writes is kept", Living, "0", "4", 3, 2, 1, 1, 1, 0, 4, 3, 2, 1, 1, 1},
        {"disabled x, hidden zone, large codes", Living, "1", "5", 2, 7, 5, 3, 9, 0, 3, 0, 4, 2, 0, 1},
        {"model: service and bonus are kept", Model, "1", "5", 2, 4, 2, 0, 1, 1, 5, 2, 4, 2, 0, 1},
        {"model: disabled items", Model, "3", "3", 1, 3, 0, 0, 1, 0, 0, 1, 3, 0, 0, 1},
        {"model: no numbers, negatives", Model, "abc", "-1", -1, -2, -1, -1, -1, 0, 0, 0, 4, 2, 0, 1},
        {"model: past the last item", Model, "6", "99", 4, 5, 3, 2, 2, 0, 0, 0, 4, 2, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data::TChart_ r;
        r.FX = QString::fromUtf8(c.fx);
        r.FY = QString::fromUtf8(c.fy);
        r.MARKR = c.markr;
        r.MIBUN = c.mibun;
        r.SEX = c.sex;
        r.FKINJI = c.fkinji;
        r.CGRAPH = c.cgraph;
        const ComparisonSettings got = comparisonSettingsFrom(c.kind, r);
        EXPECT_EQ(got.options.xItem, c.x);
        EXPECT_EQ(got.options.yItem, c.y);
        EXPECT_EQ(got.options.markLabel, c.mark);
        EXPECT_EQ(got.options.workForm, c.workForm);
        EXPECT_EQ(got.options.sex, c.sexIndex);
        EXPECT_EQ(got.fitDegree, c.fit);
        EXPECT_EQ(got.curvesPerGroup, c.curves);
        // Whatever was stored, the items it loads are ones the screen lets the user choose.
        EXPECT_TRUE(comparisonXItems(c.kind)[size_t(got.options.xItem)].enabled);
        EXPECT_TRUE(comparisonYItems(c.kind)[size_t(got.options.yItem)].enabled);
    }
}

TEST(ComparisonSettings, ChartRowsCarryTheItemsAndTheFitSettingsRead)
{
    ComparisonSettings s1;
    s1.options = everyone();
    s1.options.xItem = 1;
    s1.options.yItem = 2;
    s1.fitDegree = 1;
    s1.curvesPerGroup = 0;
    s1.levels = {10, -10, 0, 5.5};
    const data::TChart_ model = comparisonChartRow(Model, s1, QStringLiteral("1"), QStringLiteral("2020"));
    EXPECT_EQ(model.CHCO, QStringLiteral("1040"));
    EXPECT_EQ(model.XNAME, QStringLiteral("勤　　続"));
    EXPECT_EQ(model.YNAME, QStringLiteral("年　収"));
    EXPECT_EQ(model.XPITCH, 5);
    EXPECT_EQ(model.YPITCH, 50);
    EXPECT_EQ(model.YUNIT, QStringLiteral("万円"));
    EXPECT_EQ(model.CGRAPH, 1);   // the model wage comparison always writes 1
    EXPECT_EQ(model.FKINJI, 1);
    EXPECT_DOUBLE_EQ(model.SJYUN4, 5.5);

    s1.options.xItem = 0;
    s1.options.yItem = 4;
    const data::TChart_ living = comparisonChartRow(Living, s1, QStringLiteral("1"), QStringLiteral("2020"));
    EXPECT_EQ(living.CHCO, QStringLiteral("1030"));
    EXPECT_EQ(living.XNAME, QStringLiteral("年　　齢"));
    EXPECT_EQ(living.XUNIT, QStringLiteral("歳"));
    EXPECT_EQ(living.YNAME, QStringLiteral("所　定　給"));
    EXPECT_EQ(living.CGRAPH, 0);   // written back as read
    EXPECT_EQ(living.FY, QStringLiteral("4"));
    EXPECT_EQ(living.X1 + living.X2 + living.TOUKYU1, 0);

    // The row read back gives the same settings.
    const ComparisonSettings back = comparisonSettingsFrom(Living, living);
    EXPECT_EQ(back.options.yItem, 4);
    EXPECT_EQ(back.options.plotMarks, s1.options.plotMarks);
    EXPECT_DOUBLE_EQ(back.levels[0], 10);
}

TEST(ComparisonWhere, WagePlotConditionsWithEachOrder)
{
    analysis::WagePlotOptions o = everyone();
    o.workForm = 0;
    o.sex = 1;
    o.grades = {false, true, false, false, false, false, false, false, false};
    EXPECT_EQ(s(comparisonWhere(Living, o, QStringLiteral("1"), QStringLiteral("2020"))),
              " WHERE NENDO = 2020   AND KCO   = 1 AND SM1 = 1 and TCO  IN(2) AND MCO  IN(1,2,3,4,5,6,7,8,9)"
              " AND SEIBETSU = 1 ORDER BY SCO");
    o.wageTable = 4;
    EXPECT_EQ(s(comparisonWhere(Model, o, QStringLiteral("1"), QStringLiteral("2020"))),
              " WHERE NENDO = 2020   AND KCO   = 1 AND SM1 = 1 AND SKCO = 4 and TOUKYU  IN(2)"
              " AND MCO  IN(1,2,3,4,5,6,7,8,9) AND SEIBETSU = 1 ORDER BY KCO,NEWDAY1");
}

TEST(ComparisonPoints, ItemsOfEachComparison)
{
    data::TSyain_ e;
    e.KKYU1 = 200000;
    e.KKYU2 = 30000;
    e.KKYU3 = 5000;
    e.BaseTotal = 235000;
    e.ScheduledPay = 260000;
    e.AnnualIncome = 3500000;
    e.SYOUYO = 200000;
    e.SYOUYO2 = 180000;
    e.TRITSU = 97.8;
    e.NENREI = 41;
    e.HKIGOU = QStringLiteral("A");
    e.HYOUKA = QStringLiteral("B");
    const double living[6] = {20, 3, 0.5, 23.5, 26, 350};
    const double model[6] = {23.5, 26, 350, 20, 3, 38};
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(comparisonY(Living, e, i), living[i]) << i;
        EXPECT_DOUBLE_EQ(comparisonY(Model, e, i), model[i]) << i;
    }
    EXPECT_DOUBLE_EQ(comparisonX(Living, e, 4), 97);   // the achievement rate cut to an integer
    EXPECT_DOUBLE_EQ(comparisonX(Model, e, 0), 41);
    EXPECT_DOUBLE_EQ(comparisonY(Living, e, 6), 0);
    EXPECT_DOUBLE_EQ(comparisonY(Model, e, -1), 0);
    e.SCO = QStringLiteral("1001");
    e.ZONEX = 3;
    EXPECT_EQ(comparisonMarkLabel(e, 0), QStringLiteral("1001"));
    EXPECT_EQ(comparisonMarkLabel(e, 1), QStringLiteral("A"));   // the evaluation symbol
    EXPECT_EQ(comparisonMarkLabel(e, 2), QStringLiteral("3"));
    EXPECT_EQ(comparisonMarkLabel(e, 3), QString());
}

TEST(ComparisonRows, PreconditionsAndNobodySelected)
{
    TestHome home;
    yardfixture::emptyYear(home);
    data::TFDM& dm = home.dm();
    data::TMKIGYOU2 company;
    EXPECT_EQ(comparisonPrecondition(Living, company), QStringLiteral("企業マスター　に、生計費コード　がセットされていません。"));
    EXPECT_EQ(comparisonPrecondition(Model, company), QStringLiteral("企業マスター　に、モデルコード　がセットされていません。"));
    company.SKCO = 1;
    company.MDCO = 2;
    EXPECT_TRUE(comparisonPrecondition(Living, company).isEmpty());
    EXPECT_TRUE(comparisonPrecondition(Model, company).isEmpty());

    // No employee at all: the cost of living comparison leaves the old plot rows, the model wage
    // comparison empties them.
    data::TDChart_ old;
    old.SCO = QStringLiteral("9");
    ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query22, true, old));
    analysis::PlotRowsResult r = buildComparisonRows(dm, Living, everyone());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.employees, 0);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM DCHART")), 1);
    r = buildComparisonRows(dm, Model, everyone());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM DCHART")), 0);
}

// The sample company 1 of 2020 uses cost-of-living table 1 and model set 2 (high-school graduates,
// hired at 18). Its 2020 costs are 117, 125, 188, 226, 261 and 279 thousand yen at the ages 18, 25,
// 30, 35, 40 and 45, with the rates 1.2, 0.8, 0.6 and the multiplier 1.
TEST(SampleComparison, BothChartsBuildTheirCurvesFromTheInstalledData)
{
    TestHome home(false);
    yardfixture::sampleCompany(home);
    data::TFDM& dm = home.dm();
    ASSERT_EQ(dm.state.CurrentCompany.SKCO, 1);
    ASSERT_EQ(dm.state.CurrentCompany.MDCO, 2);
    const qint64 employees = scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM VSYAIN WHERE KCO = 1 AND NENDO = 2020"
                                                            " AND TCO BETWEEN 1 AND 9 AND MCO BETWEEN 1 AND 9"));
    ASSERT_GT(employees, 0);

    // Cost of living: age against base pay.
    ComparisonSettings living;
    ASSERT_TRUE(loadComparisonSettings(dm, Living, living));
    living.options = everyone();
    living.options.xItem = 0;
    living.options.yItem = 3;
    analysis::PlotRowsResult rows = buildComparisonRows(dm, Living, living.options);
    ASSERT_TRUE(rows.ok);
    EXPECT_EQ(rows.employees, employees);
    ASSERT_TRUE(saveComparisonSettings(dm, Living, living));
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM DCHART d JOIN VSYAIN v ON v.SCO = d.SCO"
                                             " AND v.KCO = 1 AND v.NENDO = 2020"
                                             " WHERE abs(d.Y * 10000 - (v.KKYU1 + v.KKYU2 + v.KKYU3)) > 0.01")),
              0);

    analysis::PlotData d = analysis::loadPlotData(dm, 1030);
    const analysis::SeriesArray& c = d.chart.comparison;
    const std::vector<double> ages{18, 25, 30, 35, 40, 45};
    EXPECT_EQ(c[1].xs, ages);
    EXPECT_EQ(c[1].ys, (std::vector<double>{12, 13, 19, 23, 26, 28}));   // cost / 10, rounded
    EXPECT_EQ(c[3].ys, (std::vector<double>{9, 10, 15, 18, 21, 22}));    // times 0.8
    EXPECT_EQ(c[2].xs, ages);
    EXPECT_EQ(c[4].xs, ages);
    EXPECT_EQ(d.chart.comparisonMarks[0].legend, QStringLiteral("標準生計費"));
    EXPECT_EQ(d.chart.employees[0].n, employees);
    EXPECT_EQ(d.chart.scale.yName, QStringLiteral("基本給"));

    // Model wage: years of service against base pay, then age against annual income.
    ComparisonSettings model;
    ASSERT_TRUE(loadComparisonSettings(dm, Model, model));
    model.options = everyone();
    model.options.xItem = 1;
    model.options.yItem = 0;
    ASSERT_EQ(buildComparisonRows(dm, Model, model.options).employees, employees);
    ASSERT_TRUE(saveComparisonSettings(dm, Model, model));
    d = analysis::loadPlotData(dm, 1040);
    EXPECT_EQ(d.chart.comparison[1].xs, (std::vector<double>{0, 2, 4, 7, 9, 12, 17, 22, 27, 32, 37, 42}));
    EXPECT_EQ(d.chart.comparison[1].ys, (std::vector<double>{17, 18, 19, 20, 22, 24, 27, 31, 33, 35, 36, 32}));
    EXPECT_EQ(d.chart.comparison[2].n, 0);   // the sample set has one series
    EXPECT_EQ(d.chart.comparisonMarks[0].legend, QStringLiteral("モデル（０）"));
    ASSERT_TRUE(d.model.has_value());
    EXPECT_EQ(d.model->MDCO, QStringLiteral("2"));

    model.options.xItem = 0;
    model.options.yItem = 2;
    ASSERT_TRUE(saveComparisonSettings(dm, Model, model));
    d = analysis::loadPlotData(dm, 1040);
    ASSERT_EQ(d.chart.comparison[1].xs.size(), 12u);
    EXPECT_DOUBLE_EQ(d.chart.comparison[1].xs.front(), 18);
    // 18: 12 × (168 + 6) + 168 × 1.5 = 2,340 thousand yen → 234 万円.
    EXPECT_DOUBLE_EQ(d.chart.comparison[1].ys.front(), 234);
    home.expectNoUnexpected();
}

} // namespace
