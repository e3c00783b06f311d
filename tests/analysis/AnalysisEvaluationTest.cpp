// The evaluation of each employee series along its fitted curve, and the result texts built from it.

#include "analysis/AnalysisEvaluation.h"
#include "analysis/Regression.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

namespace {

using analysis::PlotData;
using analysis::TXYDATA;

struct CurveCase {
    const char* what;
    bool cubic;
    double a0, a1, a2, a3;   // curve in 万円
    double minX, maxX;
    int count;               // whole steps evaluated from minX
    double endX;
    double endY;             // yen
    double pitch;            // yen per step
    double mean;             // yen
};

// f(x) = 10000 · (a0 + a1·x + a2·x² [+ a3·x³]).
const CurveCase curveCases[] = {
    // Keeps rising: the end is the last whole step below the maximum (29, not 30).
    {"rising", false, 0, 1, 0, 0, 20, 30, 10, 29, 290000, 10000, 245000},
    // Falls from the start: stays flat and ends at the last step too.
    {"falling", false, 50, -1, 0, 0, 20, 30, 10, 29, 210000, -10000, 255000},
    // Rises to 25, then the first lower step (26) is the end; the mean still runs to 29.
    // f = 100 - (x - 25)²: values 75, 84, 91, 96, 99, 100, 99, 96, 91, 84 (万円).
    {"rises then falls", false, -525, 50, -1, 0, 20, 30, 10, 26, 990000, 40000, 915000},
    // x spans less than two units: only the first two steps are evaluated; the second is the end.
    {"span under two", false, 0, 1, 0, 0, 20, 21.5, 2, 21, 210000, 10000, 205000},
    // The cubic term counts only for a cubic fit: f = x³ / 1000 rises on 10..14.
    {"cubic", true, 0, 0, 0, 0.001, 10, 15, 5, 14, 27440, 4360, 18000},
    {"cubic term ignored by the quadratic", false, 0, 0, 0, 0.001, 10, 15, 5, 14, 0, 0, 0},
};

class CurveEvaluation : public testing::TestWithParam<CurveCase> {};

TEST_P(CurveEvaluation, FindsStartEndPitchAndMean)
{
    const CurveCase& c = GetParam();
    PlotData plot;
    plot.chart.settings.FKINJI = c.cubic ? 1 : 0;
    TXYDATA& s = plot.chart.employees[3];
    s.n = 2;
    s.minX = c.minX;
    s.maxX = c.maxX;
    s.a0 = c.a0;
    s.a1 = c.a1;
    s.a2 = c.a2;
    s.a3 = c.a3;
    s.pitch = 123;   // stale values from an earlier evaluation are cleared
    s.evalCount = 99;

    analysis::evaluateSeries(plot);

    EXPECT_EQ(s.evalCount, c.count);
    EXPECT_DOUBLE_EQ(s.startX, c.minX);
    EXPECT_NEAR(s.startY, 10000 * (c.a0 + c.a1 * c.minX + c.a2 * c.minX * c.minX
                                   + (c.cubic ? c.a3 * c.minX * c.minX * c.minX : 0)),
                1e-6);
    EXPECT_DOUBLE_EQ(s.endX, c.endX);
    EXPECT_NEAR(s.endY, c.endY, 1e-6);
    EXPECT_NEAR(s.pitch, c.pitch, 1e-6);
    EXPECT_NEAR(s.evalMean, c.mean, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Curves, CurveEvaluation, testing::ValuesIn(curveCases),
                         [](const testing::TestParamInfo<CurveCase>& i) {
                             std::string n = i.param.what;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(CurveEvaluation, HugeXRangeEnds)
{
    // x values so large that adding one step changes nothing must not hang the evaluation.
    PlotData plot;
    TXYDATA& s = plot.chart.employees[1];
    s.n = 1;
    s.minX = 1e17;
    s.maxX = 2e17;
    analysis::evaluateSeries(plot);
    EXPECT_GT(s.evalCount, 2);
    EXPECT_EQ(s.pitch, 0);
}

// Six groups of one to six points each at x = 20 + point, y = x / 2 (万円), w = 1000 · group.
PlotData sevenSeries(int chartNo)
{
    PlotData plot;
    plot.chart.chartNo = chartNo;
    analysis::resetSeries(plot.chart.employees);
    const char* symbols[] = {"", "■", "●", "▲", "◆", "★", "□"};
    for (int g = 1; g <= 6; ++g)
        for (int i = 0; i < g; ++i)
            analysis::addPoint(plot.chart.employees, QString::fromUtf8(symbols[g]), 1000 * g, (20.0 + i) / 2,
                               20 + i, g);
    analysis::finishSeries(plot.chart.employees);
    analysis::fitSeries(plot.chart.employees, false);
    plot.chart.scale.xName = QStringLiteral("年齢");
    plot.chart.scale.yName = QStringLiteral("基本給");
    return plot;
}

TEST(AnalysisTexts, SplitTheSeriesOverTheirTexts)
{
    TestHome home(false);
    PlotData plot = sevenSeries(analysis::chart::RaiseCurve);
    const analysis::TAnalize1 t = analysis::buildAnalysisTexts(home.dm(), plot);

    EXPECT_EQ(t[1], QStringLiteral("X軸: 年齢、Y軸基本給"));
    // Counts: five entries (the overall series first), then the other two.
    EXPECT_EQ(t[2], QStringLiteral("全体:21 ■:1 ●:2 ▲:3 ◆:4 "));
    EXPECT_EQ(t[3], QStringLiteral("★:5 □:6 "));
    // Mean x: four entries per text.
    EXPECT_EQ(t[11], QStringLiteral("全体:21.7 ■:20.0 ●:20.5 ▲:21.0 "));
    EXPECT_EQ(t[12], QStringLiteral("◆:21.5 ★:22.0 □:22.5 "));
    EXPECT_EQ(t[13], QString());
    EXPECT_EQ(t[14], QStringLiteral("全体:108,333円 ■:100,000円 ●:102,500円 ▲:105,000円 "));
    EXPECT_EQ(t[15], QStringLiteral("◆:107,500円 ★:110,000円 □:112,500円 "));
    // Mean y and mean w with two blanks after each amount.
    EXPECT_EQ(t[21], QStringLiteral("全体:108,333円  ■:100,000円  ●:102,500円  ▲:105,000円  ◆:107,500円  "));
    EXPECT_EQ(t[22], QStringLiteral("★:110,000円  □:112,500円  "));
    EXPECT_EQ(t[24], QStringLiteral("★:5,000円  □:6,000円  "));
    // Group ◆ (20..23 on y = x / 2) rises by 5,000 yen a step; its curve mean runs over 20..22.
    EXPECT_TRUE(t[17].contains(QStringLiteral("◆:105,000円  "))) << t[17].toStdString();
    EXPECT_TRUE(t[19].contains(QStringLiteral("◆:5,000円  "))) << t[19].toStdString();
    // No model data code: the model data texts stay empty.
    for (int i : {4, 6, 7, 8, 9, 10})
        EXPECT_TRUE(t[size_t(i)].isEmpty()) << i;
}

TEST(AnalysisTexts, OptimalWageShowsMeanXInYen)
{
    TestHome home(false);
    PlotData plot = sevenSeries(analysis::chart::OptimalWage);
    const analysis::TAnalize1 t = analysis::buildAnalysisTexts(home.dm(), plot);
    EXPECT_EQ(t[11], QStringLiteral("全体:216,667円 ■:200,000円 ●:205,000円 ▲:210,000円 "));
}

TEST(AnalysisTexts, ReferenceDate)
{
    struct Case {
        int byToday;
        int reference;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "     年     月    日時点"},
        {0, 20200331, "2020 年  3 月  31 日時点"},
        {1, 0, "2020 年  6 月  15 日時点"},   // today of the test home
    };
    for (const Case& c : cases) {
        TestHome home(false);
        home.dm().state.AgeByToday = c.byToday;
        home.dm().state.AgeReferenceDate = c.reference;
        PlotData plot;
        EXPECT_EQ(analysis::buildAnalysisTexts(home.dm(), plot)[0], QString::fromUtf8(c.text)) << c.reference;
    }
}

TEST(AnalysisTexts, GradesAndModelData)
{
    TestHome home(false);
    data::AppState& st = home.dm().state;
    for (int i = 0; i < 9; ++i)
        st.CurrentCompany.TK[size_t(i)] = QStringLiteral("等級") + QString::number(i + 1);
    PlotData plot;
    plot.chart.settings.TOUKYU = QStringLiteral("101000001");
    data::TMODEL_ model;
    model.GYOUSYU = QStringLiteral("製造業");
    model.DEDOKORO = QStringLiteral("調査会");
    model.JSU = QStringLiteral("120");
    model.TCHIIKI = QStringLiteral("全国");
    model.CJITEN = QStringLiteral("2019年");
    model.KIBO = QStringLiteral("100人以上");
    plot.model = model;

    // Without a model data code the row is not listed.
    analysis::TAnalize1 t = analysis::buildAnalysisTexts(home.dm(), plot);
    EXPECT_EQ(t[5], QStringLiteral("等級1 等級3 等級9 "));
    EXPECT_TRUE(t[4].isEmpty());

    st.CurrentCompany.MDCO = 7;
    t = analysis::buildAnalysisTexts(home.dm(), plot);
    EXPECT_EQ(t[4], QStringLiteral("製造業"));
    EXPECT_EQ(t[6], QStringLiteral("調査会"));
    EXPECT_EQ(t[7], QStringLiteral("回答あった 120 社"));
    EXPECT_EQ(t[8], QStringLiteral("全国"));
    EXPECT_EQ(t[9], QStringLiteral("2019年"));
    EXPECT_EQ(t[10], QStringLiteral("100人以上"));
}

TEST(AnalysisWindow, TextsByChartKind)
{
    analysis::TAnalize1 t;
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = QStringLiteral("t%1").arg(i);
    struct Case {
        int chartNo;
        int xItem;
        std::array<const char*, 8> titles;
        std::array<const char*, 8> captions;
    };
    const Case cases[] = {
        {1010, 0, {"プロット数 :", "", "Ｘ軸平均　 :", "", "", "Ｙ軸平均　 :", "", ""},
         {"t2", "t3", "t11", "t12", "t13", "t14", "t15", "t16"}},
        {1020, 5, {"プロット数 :", "", "残差平均　 :", "", "", "昇給カーブ :", "平均", ""},
         {"t2", "t3", "t23", "t24", "", "t21", "t22", ""}},
        {1020, 0, {"プロット数 :", "", "平均昇給　 :", "ピッチ", "", "昇給カーブ :", "平均", ""},
         {"t2", "t3", "t19", "t20", "", "t17", "t18", ""}},
        {1050, 5, {"プロット数 :", "", "平均昇給　 :", "ピッチ", "", "昇給カーブ :", "平均", ""},
         {"t2", "t3", "t19", "t20", "", "t17", "t18", ""}},
        {1070, 0, {"プロット数 :", "", "残差平均　 :", "", "", "昇給カーブ :", "平均", ""},
         {"t2", "t3", "t23", "t24", "", "t21", "t22", ""}},
        {1030, 0, {"", "", "", "", "", "", "", ""}, {"", "", "", "", "", "", "", ""}},
        {1040, 0, {"", "", "", "", "", "", "", ""}, {"", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        const analysis::AnalysisWindowTexts w = analysis::analysisWindowTexts(c.chartNo, c.xItem, t);
        for (size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(w.titles[i], QString::fromUtf8(c.titles[i])) << c.chartNo << "/" << c.xItem << " row " << i;
            EXPECT_EQ(w.captions[i], QString::fromUtf8(c.captions[i])) << c.chartNo << "/" << c.xItem << " row " << i;
        }
    }
}

TEST(AnalysisWindow, RegressionResult)
{
    analysis::RegressionWorkArea work;
    work.names = {QStringLiteral("基本給"), QStringLiteral("年齢"), QStringLiteral("勤続"), QStringLiteral("等級"),
                  QStringLiteral("号俸"), QStringLiteral("評価"), QStringLiteral("性別"), QStringLiteral("職種")};
    work.coefficients = {-123456.789012, 1.5, -2.25, 3, 4, 5, 6, 7};
    work.statistics.R = 0.95;
    work.statistics.R2 = 0.9025;
    work.statistics.adjustedR2 = -0.05;  // a poor fit of few rows can go below 0
    work.statistics.judgement = QStringLiteral("分析精度の判定 →　非常に良い");
    const analysis::AnalysisWindowTexts w = analysis::regressionResultTexts(work);
    EXPECT_EQ(w.titles[0], QStringLiteral("目的変数 :"));
    EXPECT_EQ(w.captions[0], QStringLiteral("基本給"));
    EXPECT_EQ(w.titles[1], QStringLiteral("係数"));
    EXPECT_EQ(w.captions[1], QStringLiteral("切片 = -123,456.78901 年齢 X1=1.5000 勤続 X2=-2.2500 "));
    EXPECT_EQ(w.captions[2], QStringLiteral("等級 X3=3.0000 号俸 X4=4.0000 評価 X5=5.0000 "));
    EXPECT_EQ(w.captions[3], QStringLiteral("性別 X6=6.0000 職種 X7=7.0000 "));
    EXPECT_EQ(w.titles[4], QStringLiteral("相関"));
    EXPECT_EQ(w.captions[4], QStringLiteral("重相関 R=0.9500000"));
    EXPECT_EQ(w.captions[5], QStringLiteral("重相関R2=0.9025000"));
    EXPECT_EQ(w.captions[6], QStringLiteral("補正  R2=-0.0500000"));
    EXPECT_EQ(w.titles[7], QStringLiteral("分析結果"));
    EXPECT_EQ(w.captions[7], QStringLiteral("分析精度の判定 →　非常に良い"));

    // Before any analysis: titles only, no coefficient terms.
    const analysis::AnalysisWindowTexts empty = analysis::regressionResultTexts(analysis::RegressionWorkArea{});
    EXPECT_TRUE(empty.captions[1].isEmpty());
    EXPECT_EQ(empty.captions[4], QStringLiteral("重相関 R=0.0000000"));
}

} // namespace
