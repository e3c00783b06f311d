// The optimal wage analysis without its screen: the sample company against an independent
// computation, the FIT columns (all or nothing), the plot rows, the refusals, and the settings.

#include "OptimalFixture.h"
#include "analysis/Regression.h"
#include "optimal/OptimalWage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using namespace optimalfixture;
using optimal::RunStatus;

// Sample company 1 of 2020, everyone: 項目Ⅰ on age, service and grade. The reference solves the
// normal equations in exact integer arithmetic from the employee view read here with plain SQL.
TEST(OptimalSample, MatchesAnIndependentComputation)
{
    TestHome home(false);
    openSampleCompany(home);
    data::TFDM& dm = home.dm();

    struct Employee {
        std::int64_t sco, age, service, grade, kkyu1;
    };
    std::vector<Employee> expected;
    {
        data::Query q(dm.ACN2);
        q.setSql(QStringLiteral("SELECT SCO, SEIHI, NYUHI, TOUKYU, KKYU1 FROM VSYAIN WHERE NENDO = 2020 AND KCO = 1"
                                " AND TCO BETWEEN 1 AND 9 AND MCO BETWEEN 1 AND 9 ORDER BY SCO"));
        ASSERT_TRUE(q.open());
        for (; !q.eof(); q.next())
            expected.push_back({q.intValue(0), yearsTo20200615(q.intValue(1)), yearsTo20200615(q.intValue(2)),
                                q.intValue(3), q.intValue(4)});
        q.close();
    }
    ASSERT_GT(expected.size(), 20u);
    std::vector<std::vector<std::int64_t>> x;
    std::vector<std::int64_t> y;
    for (const Employee& e : expected) {
        x.push_back({1, e.age, e.service, e.grade});
        y.push_back(e.kkyu1);
    }
    const std::vector<long double> b = exact::leastSquares(x, y);
    ASSERT_EQ(b.size(), 4u);
    long double mean = 0;
    for (auto v : y)
        mean += v;
    mean /= y.size();
    long double sst = 0, sse = 0;
    std::vector<long double> fitted;
    for (size_t r = 0; r < x.size(); ++r) {
        const long double f = b[0] + b[1] * x[r][1] + b[2] * x[r][2] + b[3] * x[r][3];
        fitted.push_back(f);
        sst += (y[r] - mean) * (y[r] - mean);
        sse += (y[r] - f) * (y[r] - f);
    }
    const long double n = x.size();
    const double r2 = double(1 - sse / sst);
    const double adjusted = double(1 - (sse / sst) * (n - 1) / (n - 3 - 1));
    const double r = std::sqrt(std::fabs(r2));
    const QString judgement = r2 >= 0.8 && r >= 0.9   ? QStringLiteral("分析精度の判定 →　非常に良い")
                              : r2 >= 0.5 && r >= 0.7 ? QStringLiteral("分析精度の判定 →　やや良い")
                                                      : QStringLiteral("分析精度の判定 →　良くない");

    analysis::RegressionWorkArea work;
    work.statistics.judgement = QStringLiteral("前回の判定");
    optimal::OptimalAnalysis analysis;
    const optimal::RunResult run = optimal::runOptimalAnalysis(dm, options(0, {0, 1, 4}), analysis, work);
    ASSERT_EQ(run.status, RunStatus::Done) << s(run.message);

    ASSERT_EQ(work.coefficients.size(), 4u);
    for (size_t j = 0; j < 4; ++j)
        EXPECT_LE(std::fabs((work.coefficients[j] - b[j]) / b[j]), 1e-12L) << "b" << j;
    EXPECT_NEAR(work.statistics.R2, r2, 1e-12);
    EXPECT_NEAR(work.statistics.R, r, 1e-12);
    EXPECT_NEAR(work.statistics.adjustedR2, adjusted, 1e-12);
    EXPECT_EQ(work.statistics.judgement, judgement);
    EXPECT_EQ(work.names, (analysis::TRegName{QStringLiteral("項　目　Ⅰ"), QStringLiteral("年齢"),
                                               QStringLiteral("勤続"), QStringLiteral("資格等級")}));
    EXPECT_EQ(work.n, int(expected.size()));
    EXPECT_EQ(work.k, 3);
    EXPECT_TRUE(analysis.statisticsComplete);
    EXPECT_EQ(analysis.target, 0);

    // Every analysed employee carries its optimal wage, rounded halves to even.
    std::map<std::int64_t, QStringList> fit;
    for (const QStringList& row : rows(dm.ACN2, QStringLiteral("SELECT SCO, FITNO, FITNAME, FITKIN, FITJITSU FROM MSYAIN2"
                                                               " WHERE KCO = 1 AND NENDO = 2020")))
        fit[row[0].toLongLong()] = row;
    ASSERT_EQ(analysis.employees.size(), expected.size());
    for (size_t r = 0; r < expected.size(); ++r) {
        const QStringList& row = fit[expected[r].sco];
        ASSERT_EQ(row.size(), 5) << expected[r].sco;
        EXPECT_EQ(s(row[1]), "1");
        EXPECT_EQ(s(row[2]), "項目Ⅰ");
        EXPECT_EQ(row[3].toLongLong(), roundEven(fitted[r])) << "SCO " << expected[r].sco;
        EXPECT_EQ(row[4].toLongLong(), expected[r].kkyu1);
        EXPECT_EQ(analysis.employees[r].optimal, roundEven(fitted[r]));
    }
    home.expectNoUnexpected();
}

// The small company, grades 1..3 (employee 104 of grade 4 is outside), 項目Ⅰ on age.
class OptimalRun : public testing::Test {
protected:
    void SetUp() override
    {
        plotfixture::makeCompany(home);
        // An earlier analysis left its results everywhere.
        ASSERT_TRUE(dm().ACN2.executeRaw(
            QStringLiteral("UPDATE MSYAIN2 SET FITNO = 3, FITNAME = '基本給', FITKIN = 999, FITJITSU = 5")));
        o = options(0, {0});
        o.common.grades = {true, true, true, false, false, false, false, false, false};
        work.coefficients = {1, 2};
        work.statistics.judgement = QStringLiteral("前回の判定");
    }
    data::TFDM& dm() { return home.dm(); }

    // Employees 101, 102, 103, 105: ages 30, 40, 25, 35 against 253,000, 320,000, 210,000, 280,000.
    static std::vector<long double> exactCoefficients()
    {
        return exact::leastSquares({{1, 30}, {1, 40}, {1, 25}, {1, 35}}, {253000, 320000, 210000, 280000});
    }

    TestHome home;
    optimal::OptimalOptions o;
    analysis::RegressionWorkArea work;
    optimal::OptimalAnalysis analysis;
};

TEST_F(OptimalRun, WritesTheSelectionAndClearsTheRest)
{
    const optimal::RunResult run = optimal::runOptimalAnalysis(dm(), o, analysis, work);
    ASSERT_EQ(run.status, RunStatus::Done) << s(run.message);
    const std::vector<long double> b = exactCoefficients();
    const std::map<int, int> age = {{101, 30}, {102, 40}, {103, 25}, {105, 35}};
    const std::map<int, qint64> pay = {{101, 253000}, {102, 320000}, {103, 210000}, {105, 280000}};
    const auto fit = rows(dm().ACN2, QStringLiteral("SELECT SCO, FITNO, FITNAME, FITKIN, FITJITSU FROM MSYAIN2 ORDER BY SCO"));
    ASSERT_EQ(fit.size(), 5u);
    for (const QStringList& row : fit) {
        const int sco = row[0].toInt();
        SCOPED_TRACE(sco);
        if (sco == 104) {
            // Outside the selection: no optimal wage; name and actual amount keep their old values.
            EXPECT_EQ(row, (QStringList{QStringLiteral("104"), QStringLiteral("0"), QStringLiteral("基本給"),
                                        QStringLiteral("0"), QStringLiteral("5")}));
            continue;
        }
        EXPECT_EQ(s(row[1]), "1");
        EXPECT_EQ(s(row[2]), "項目Ⅰ");
        EXPECT_EQ(row[3].toLongLong(), roundEven(b[0] + b[1] * age.at(sco)));
        EXPECT_EQ(row[4].toLongLong(), pay.at(sco));
    }
    EXPECT_FALSE(analysis.linked);
    EXPECT_EQ(analysis.employees.size(), 4u);
    EXPECT_TRUE(work.statistics.judgement.startsWith(QStringLiteral("分析精度の判定")));

    // The plot rows: optimal against actual in 万円, the residual in yen, marks and labels.
    o.common.markLabel = 0;
    const analysis::PlotRowsResult plot = optimal::buildOptimalPlotRows(dm(), o);
    EXPECT_TRUE(plot.ok);
    EXPECT_EQ(plot.employees, 4);
    data::TDChart_rec chart;
    ASSERT_TRUE(data::Selects(dm().ACN2, dm().Query21, false, QStringLiteral("SELECT * FROM DCHART"),
                              QStringLiteral(" order by NO"), chart));
    ASSERT_EQ(chart.items.size(), 4u);
    const int scos[] = {101, 102, 103, 105};
    const int marks[] = {1, 2, 1, 2};
    for (int i = 0; i < 4; ++i) {
        const data::TDChart_& r = chart.items[size_t(i)];
        const qint64 optimal = roundEven(b[0] + b[1] * age.at(scos[i]));
        EXPECT_EQ(r.SCO.toInt(), scos[i]);
        EXPECT_EQ(r.MARKL, r.SCO);
        EXPECT_EQ(r.MKCO, marks[i]);
        EXPECT_EQ(r.NO, i + 1);
        EXPECT_DOUBLE_EQ(r.X, double(optimal) / 10000);
        EXPECT_DOUBLE_EQ(r.Y, double(pay.at(scos[i])) / 10000);
        EXPECT_EQ(r.F5, pay.at(scos[i]) - optimal);
    }
    home.expectNoUnexpected();
}

// One employee's update fails half-way through the write: every FIT column, the earlier analysis
// in memory and its work area stay as they were; the one error is the data layer's.
TEST_F(OptimalRun, AFailingWriteChangesNothing)
{
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral(
        "CREATE TRIGGER fail_fit BEFORE UPDATE ON MSYAIN2 WHEN NEW.SCO = 103 AND NEW.FITNO <> 0 "
        "BEGIN SELECT RAISE(ABORT, 'FIT locked'); END")));
    const auto before = employeeTables(dm());
    analysis.target = 4;
    analysis.employees = {{QStringLiteral("1"), {}, {}, {}, 10, 11}};
    const optimal::RunResult run = optimal::runOptimalAnalysis(dm(), o, analysis, work);
    EXPECT_EQ(run.status, RunStatus::DatabaseError);
    EXPECT_EQ(employeeTables(dm()), before);
    EXPECT_EQ(analysis.target, 4);
    ASSERT_EQ(analysis.employees.size(), 1u);
    EXPECT_EQ(analysis.employees[0].optimal, 11);
    EXPECT_EQ(work.coefficients, (analysis::TRegY{1, 2}));
    EXPECT_TRUE(work.statistics.judgement.isEmpty());
    ASSERT_EQ(home.dialogs.texts().size(), 1);
    EXPECT_TRUE(home.dialogs.texts()[0].contains(QStringLiteral("FIT locked")));
    EXPECT_EQ(dm().ACN2.transactionDepth(), 0);
}

// Input the analysis refuses: a clear message, nothing written but the settings, and no judgement
// of an earlier run left behind.
TEST(OptimalRefusals, BadInputChangesNothing)
{
    struct Case {
        const char* name;
        const char* setup;    // SQL run first, or empty
        int target;
        std::vector<int> attributes;
        std::vector<bool> grades;
        const char* message;
    };
    const std::vector<bool> grades123 = {true, true, true, false, false, false, false, false, false};
    const std::vector<bool> none(9, false);
    const std::vector<bool> grade1 = {true, false, false, false, false, false, false, false, false};
    const Case cases[] = {
        {"no employee", "", 0, {0}, none, "対象データデータがありません。"},
        {"no attribute", "", 0, {}, grades123, "説明変数を指定して下さい。"},
        {"target zero for everyone", "UPDATE MSYAIN2 SET KKYU2 = 0 WHERE SCO <> 104", 1, {0}, grades123,
         "対象データの目的変数（項目Ⅱ）がすべてゼロのため分析できません。"},
        {"constant attribute", "", 0, {0, 2}, grades123, "解析に失敗しました。\r\n経験は対象データの全員が同じ値です"},
        {"constant zero attribute, zero targets", "UPDATE MSYAIN2 SET KKYU1 = 0 WHERE SCO = 102", 0, {0, 4},
         grades123,
         "解析に失敗しました。\r\n1個の目的変数がゼロのデータが存在します\r\n4個の説明変数がゼロのデータが存在します"
         "\r\n資格等級は対象データの全員が同じ値です"},
        {"fewer employees than unknowns", "", 0, {0}, grade1,
         "解析に失敗しました。\r\n対象データ（1件）が説明変数の数＋１（2）より少ないため解けません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestHome caseHome;
        plotfixture::makeCompany(caseHome);
        data::TFDM& d = caseHome.dm();
        if (*c.setup) {
            ASSERT_TRUE(d.ACN2.executeRaw(QString::fromUtf8(c.setup)));
        }
        optimal::OptimalOptions bad = options(c.target, c.attributes);
        bad.common.grades = c.grades;
        const auto before = employeeTables(d);
        analysis::RegressionWorkArea caseWork;
        caseWork.statistics.judgement = QStringLiteral("前回の判定");
        optimal::OptimalAnalysis caseAnalysis;
        const optimal::RunResult run = optimal::runOptimalAnalysis(d, bad, caseAnalysis, caseWork);
        EXPECT_EQ(run.status, RunStatus::Refused);
        EXPECT_EQ(s(run.message), c.message);
        EXPECT_EQ(employeeTables(d), before);
        EXPECT_TRUE(caseWork.statistics.judgement.isEmpty());
        EXPECT_TRUE(caseAnalysis.employees.empty());
        // The settings were saved all the same.
        EXPECT_EQ(scalar(d.ACN2, QStringLiteral("SELECT count(*) FROM MCHART WHERE CHCO = 1070 AND KNO = 1 AND FY = ")
                                     + QString::number(c.target)),
                  1);
        caseHome.expectNoUnexpected();
        EXPECT_TRUE(caseHome.dialogs.texts().isEmpty());
    }
}

// Three employees and two attributes: the fit goes through every point, the statistics are
// incomplete (no degree of freedom left) and the run leaves no judgement.
TEST_F(OptimalRun, IncompleteStatisticsLeaveNoJudgement)
{
    o.common.grades = {true, true, false, false, false, false, false, false, false};   // 101, 103, 105
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN2 SET TENSU = SCO * 7 % 11")));
    o.attributes = std::vector<bool>(9, false);
    o.attributes[0] = o.attributes[7] = true;
    const optimal::RunResult run = optimal::runOptimalAnalysis(dm(), o, analysis, work);
    ASSERT_EQ(run.status, RunStatus::Done) << s(run.message);
    EXPECT_EQ(analysis.employees.size(), 3u);
    EXPECT_FALSE(analysis.statisticsComplete);
    EXPECT_NEAR(work.statistics.R2, 1, 1e-9);
    EXPECT_EQ(work.statistics.adjustedR2, 0);
    EXPECT_TRUE(work.statistics.judgement.isEmpty());
    for (const optimal::AnalysedEmployee& e : analysis.employees)
        EXPECT_EQ(e.optimal, e.actual) << s(e.SCO);
}

TEST(OptimalValues, TargetsAttributesAndLinks)
{
    data::TSyain_ e;
    e.KKYU1 = 253000;
    e.KKYU2 = 20000;
    e.BaseTotal = 273000;
    e.ScheduledPay = 283000;
    e.SYOUYO = 500000;
    e.SYOUYO2 = 600000;
    e.AnnualIncome = 283000 * 12 + 1100000;
    const qint64 amounts[] = {253000, 20000, 273000, 283000, 1100000, 283000 * 12 + 1100000};
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(optimal::targetAmount(e, t), amounts[t]) << t;

    struct Link {
        qint64 jiseki, mlink;
        bool item1, item2;
    };
    for (const Link& l : {Link{0, 0, false, false}, Link{1, 0, true, false}, Link{2, 0, false, true},
                          Link{0, 1, true, false}, Link{0, 2, false, true}, Link{3, 3, false, false}}) {
        e.JISEKI = l.jiseki;
        e.MLINK = l.mlink;
        EXPECT_EQ(optimal::countsAsLinked(e, 0), l.item1) << l.jiseki << "/" << l.mlink;
        EXPECT_EQ(optimal::countsAsLinked(e, 1), l.item2) << l.jiseki << "/" << l.mlink;
        for (int t = 2; t < 6; ++t)
            EXPECT_FALSE(optimal::countsAsLinked(e, t));
    }
}

TEST(OptimalValues, AttributesOfAnEmployee)
{
    TestHome home;
    plotfixture::makeCompany(home);   // ages count to 2020-06-15
    data::TSyain_ e;
    e.NENREI = 30;
    e.KINZOKU = 5;
    e.NENSU = 8;
    e.THI = 20170701;   // two full years in grade on 2020-06-15
    e.TOUKYU = 3;
    e.GOUHOU = 12;
    e.TRITSU = 97.5;
    e.TENSU = 310;
    e.HCO = 4;
    const double expected[] = {30, 5, 8, 2, 3, 12, 97.5, 310, 4};
    for (int a = 0; a < 9; ++a)
        EXPECT_DOUBLE_EQ(optimal::attributeValue(e, a), expected[a]) << a;
    e.THI = 0;
    EXPECT_EQ(optimal::attributeValue(e, 3), 0);
    EXPECT_EQ(optimal::nameOf(optimal::attributeCaptions()[6]), QStringLiteral("職務達成率"));
}

TEST(OptimalSettings, SavedAndLoadedThroughTheChartRow)
{
    TestHome home;
    plotfixture::makeCompany(home);
    data::TFDM& dm = home.dm();
    struct Case {
        int target;
        const char* yname;
        int pitch;
    };
    for (const Case& c : {Case{0, "項　目　Ⅰ", 5}, Case{4, "年間賞与", 10}, Case{5, "年　収", 50}}) {
        optimal::OptimalOptions o = options(c.target, {1, 6, 8});
        o.common.title = QStringLiteral("最適賃金の分析");
        o.common.explanation = QStringLiteral("解説\n二行目");
        o.common.markLabel = 3;
        o.common.workForm = 2;
        o.common.sex = 1;
        o.common.plotMarks = {true, false, true, false, false, false, false, false, true};
        o.common.grades = {false, true, true, false, false, false, false, false, false};
        o.graph = true;
        o.upper = 12.5;
        o.lower = -10;
        ASSERT_TRUE(optimal::saveOptimalSettings(dm, o));
        data::TChart_ row;
        ASSERT_TRUE(analysis::loadChartSettings(dm, 1070, row));
        EXPECT_EQ(s(row.FX), "010000101");
        EXPECT_EQ(s(row.FY), std::to_string(c.target));
        EXPECT_EQ(s(row.YNAME), c.yname);
        EXPECT_EQ(s(row.XNAME), "最適賃金");
        EXPECT_EQ(s(row.XUNIT), "万円");
        EXPECT_EQ(s(row.YUNIT), "万円");
        EXPECT_EQ(row.XPITCH, c.pitch);
        EXPECT_EQ(row.YPITCH, c.pitch);
        EXPECT_EQ(row.CGRAPH, 1);
        const optimal::OptimalOptions back = optimal::optimalOptionsFrom(row);
        EXPECT_EQ(back.target, c.target);
        EXPECT_EQ(back.attributes, o.attributes);
        EXPECT_EQ(back.common.title, o.common.title);
        EXPECT_EQ(back.common.explanation, o.common.explanation);
        EXPECT_EQ(back.common.markLabel, 3);
        EXPECT_EQ(back.common.workForm, 2);
        EXPECT_EQ(back.common.sex, 1);
        EXPECT_EQ(back.common.plotMarks, o.common.plotMarks);
        EXPECT_EQ(back.common.grades, o.common.grades);
        EXPECT_TRUE(back.graph);
        EXPECT_EQ(back.upper, 12.5);
        EXPECT_EQ(back.lower, -10);
    }
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT count(*) FROM MCHART WHERE CHCO = 1070")), 1);

    // A row the screen never wrote: a target outside 0..5 reads as item I.
    data::TChart_ odd;
    odd.FY = QStringLiteral("9");
    EXPECT_EQ(optimal::optimalOptionsFrom(odd).target, 0);
    odd.FY = QStringLiteral("x");
    EXPECT_EQ(optimal::optimalOptionsFrom(odd).target, 0);

    const optimal::OptimalOptions o = options(0, {0});
    EXPECT_EQ(s(optimal::optimalWhere(o, QStringLiteral("1"), QStringLiteral("2020"))),
              " WHERE NENDO = 2020   AND KCO   = 1 and TCO  IN(1,2,3,4,5,6,7,8,9) AND MCO  IN(1,2,3,4,5,6,7,8,9)"
              " ORDER BY SCO");
}

} // namespace
