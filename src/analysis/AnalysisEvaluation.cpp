#include "analysis/AnalysisEvaluation.h"

#include "analysis/Regression.h"
#include "analysis/ChartScale.h"
#include "app/SharedRoutines.h"
#include "data/Common.h"
#include "data/DataModule.h"

#include <cmath>

namespace analysis {

namespace {

// A fitted curve is walked one whole x step at a time; a series spread over more steps than this
// (or with x values so large that adding 1 changes nothing) stops here instead of running on.
constexpr int maxEvaluationSteps = 1'000'000;

enum class Trend { Flat, Rising, Fallen };

// The curve value in units of 1/10000 yen, rounded as the comparisons see it.
double rounded(double yen)
{
    return data::roundHalfEven(yen * 10000);
}

void evaluate(TXYDATA& s, bool cubic)
{
    auto f = [&](double x) { return cubic ? evalCubic(s, x, 10000) : evalQuadratic(s, x, 10000); };
    s.evalCount = 0;
    s.evalSum = s.evalMean = 0;
    s.startX = s.startY = s.endX = s.endY = s.pitch = 0;

    double x = s.minX;
    double v = f(x);
    ++s.evalCount;
    s.evalSum += v;
    s.startX = x;
    s.startY = v;

    x += 1;
    v = f(x);
    ++s.evalCount;
    s.evalSum += v;
    double previous = rounded(v);
    Trend trend = previous > s.startY * 10000 ? Trend::Rising : Trend::Flat;
    double endX = std::trunc(x);
    double end = previous;

    for (int step = 0; step < maxEvaluationSteps; ++step) {
        x += 1;
        if (x >= s.maxX)
            break;
        v = f(x);
        ++s.evalCount;
        s.evalSum += v;
        if (trend == Trend::Fallen)
            continue;
        const double current = rounded(v);
        endX = std::trunc(x);
        end = current;
        if (trend == Trend::Flat && current > previous)
            trend = Trend::Rising;
        else if (trend == Trend::Rising && current < previous)
            trend = Trend::Fallen;
        previous = current;
    }
    s.endX = endX;
    s.endY = end / 10000;
    s.evalMean = data::SafeDiv(s.evalSum, s.evalCount);
    s.pitch = data::SafeDiv(s.endY - s.startY, s.endX - s.startX);
}

// A list of entries spread over consecutive texts: perText entries to each, the rest to the last.
struct Split {
    int firstText;
    int perText;
    int texts;
};

void append(TAnalize1& t, Split split, int entry, const QString& text)
{
    const int block = std::min(entry / split.perText, split.texts - 1);
    t[size_t(split.firstText + block)] += text;
}

QString referenceDateText(data::AppState& state)
{
    int ymd = state.AgeReferenceDate;
    if (state.AgeByToday != 0) {
        state.refreshToday();
        ymd = state.todayYmd();
    }
    if (ymd == 0)
        return QStringLiteral("     年     月    日時点");
    return QStringLiteral("%1 年  %2 月  %3 日時点").arg(ymd / 10000).arg(ymd / 100 % 100).arg(ymd % 100);
}

} // namespace

void evaluateSeries(PlotData& plot)
{
    const bool cubic = plot.chart.settings.FKINJI != 0;
    for (TXYDATA& s : plot.chart.employees)
        evaluate(s, cubic);
}

TAnalize1 buildAnalysisTexts(data::TFDM& dm, PlotData& plot)
{
    evaluateSeries(plot);
    TAnalize1 t;
    data::AppState& state = dm.state;
    const ChartModel& c = plot.chart;

    t[0] = referenceDateText(state);
    t[1] = QStringLiteral("X軸: ") + c.scale.xName + QStringLiteral("、") + QStringLiteral("Y軸") + c.scale.yName;

    if (state.CurrentCompany.MDCO != 0 && plot.model) {
        const data::TMODEL_& m = *plot.model;
        t[4] = m.GYOUSYU;
        t[6] = m.DEDOKORO;
        t[7] = QStringLiteral("回答あった ") + m.JSU + QStringLiteral(" 社");
        t[8] = m.TCHIIKI;
        t[9] = m.CJITEN;
        t[10] = m.KIBO;
    }

    const QString& flags = c.settings.TOUKYU;
    for (int i = 0; i < 9 && i < flags.size(); ++i)
        if (flags.at(i) == u'1')
            t[5] += state.CurrentCompany.TK[size_t(i)] + QLatin1Char(' ');

    const bool optimal = c.chartNo == chart::OptimalWage;
    int entry = 0;
    for (const TXYDATA& s : c.employees) {
        if (s.n == 0)
            continue;
        const QString name = s.name + QLatin1Char(':');
        append(t, {2, 5, 2}, entry, name + QString::number(s.n) + QLatin1Char(' '));
        append(t, {11, 4, 3}, entry,
               name + (optimal ? app::formatNumber(QStringLiteral("#,##0円 "), 10000 * s.meanX)
                               : app::formatNumber(QStringLiteral("##0.0 "), s.meanX)));
        append(t, {14, 4, 3}, entry, name + app::formatNumber(QStringLiteral("#,##0円 "), 10000 * s.meanY));
        const QString yen = QStringLiteral("円  ");
        append(t, {17, 5, 2}, entry, name + app::formatNumber(QStringLiteral("#,##0"), s.evalMean) + yen);
        append(t, {19, 5, 2}, entry, name + app::formatNumber(QStringLiteral("#,##0"), s.pitch) + yen);
        append(t, {21, 5, 2}, entry, name + app::formatNumber(QStringLiteral("#,##0"), 10000 * s.meanY) + yen);
        append(t, {23, 5, 2}, entry, name + app::formatNumber(QStringLiteral("#,##0"), s.meanW) + yen);
        ++entry;
    }
    return t;
}

AnalysisWindowTexts analysisWindowTexts(int chartNo, int xItem, const TAnalize1& t)
{
    AnalysisWindowTexts w;
    auto fill = [&](const QString& title3, const QString& title4, std::array<int, 3> middle, const QString& title6,
                    const QString& title7, std::array<int, 3> last) {
        w.titles[0] = QStringLiteral("プロット数 :");
        w.captions[0] = t[2];
        w.captions[1] = t[3];
        w.titles[2] = title3;
        w.titles[3] = title4;
        for (size_t i = 0; i < 3; ++i)
            w.captions[2 + i] = middle[i] < 0 ? QString() : t[size_t(middle[i])];
        w.titles[5] = title6;
        w.titles[6] = title7;
        for (size_t i = 0; i < 3; ++i)
            w.captions[5 + i] = last[i] < 0 ? QString() : t[size_t(last[i])];
    };
    const bool residuals = chartNo == chart::OptimalWage || (chartNo == chart::RaiseCurve && xItem == 5);
    if (chartNo == chart::WagePlot)
        fill(QStringLiteral("Ｘ軸平均　 :"), {}, {11, 12, 13}, QStringLiteral("Ｙ軸平均　 :"), {}, {14, 15, 16});
    else if (residuals)
        fill(QStringLiteral("残差平均　 :"), {}, {23, 24, -1}, QStringLiteral("昇給カーブ :"), QStringLiteral("平均"),
             {21, 22, -1});
    else if (chartNo == chart::RaiseCurve || chartNo == chart::RaiseDesign)
        fill(QStringLiteral("平均昇給　 :"), QStringLiteral("ピッチ"), {19, 20, -1}, QStringLiteral("昇給カーブ :"),
             QStringLiteral("平均"), {17, 18, -1});
    return w;
}

AnalysisWindowTexts regressionResultTexts(const RegressionWorkArea& work)
{
    AnalysisWindowTexts w;
    const TRegName& names = work.names;
    const TRegY& coef = work.coefficients;
    auto name = [&](size_t i) -> QString { return i < names.size() ? names[i] : QString(); };
    // A label before a number stays before its sign: "X2=-2.2500", "切片 = -1,234.50000".
    auto labelled = [](const QString& label, const QString& pattern, double v) {
        return label + app::formatNumber(pattern, v);
    };
    auto term = [&](size_t i) -> QString {
        return labelled(name(i) + QStringLiteral(" X") + QString::number(i) + QLatin1Char('='), QStringLiteral("##0.0000"),
                        coef[i])
            + QLatin1Char(' ');
    };
    w.titles[0] = QStringLiteral("目的変数 :");
    w.captions[0] = name(0);
    w.titles[1] = QStringLiteral("係数");
    if (!coef.empty()) {
        w.captions[1] = labelled(QStringLiteral("切片 = "), QStringLiteral("#,##0.00000"), coef[0]) + QLatin1Char(' ');
        for (size_t i = 1; i < coef.size(); ++i)
            w.captions[i <= 2 ? 1 : i <= 5 ? 2 : 3] += term(i);
    }
    w.titles[4] = QStringLiteral("相関");
    w.captions[4] = labelled(QStringLiteral("重相関 R="), QStringLiteral("##0.0000000"), work.statistics.R);
    w.captions[5] = labelled(QStringLiteral("重相関R2="), QStringLiteral("##0.0000000"), work.statistics.R2);
    w.captions[6] = labelled(QStringLiteral("補正  R2="), QStringLiteral("##0.0000000"), work.statistics.adjustedR2);
    w.titles[7] = QStringLiteral("分析結果");
    w.captions[7] = work.statistics.judgement;
    return w;
}

} // namespace analysis
