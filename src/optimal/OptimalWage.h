#pragma once
// The optimal wage analysis (chart 1070) without its screen: the target items and attributes, the
// settings kept in MCHART, the employee selection, the regression of the target on the chosen
// attributes, the optimal wages written into the employees' FIT columns, and the plot rows of
// optimal against actual wage.

#include "analysis/Regression.h"
#include "analysis/WagePlot.h"
#include "data/Records.h"

#include <QString>

#include <vector>

namespace data {
class TFDM;
}

namespace optimal {

// The pivot tolerance of the fit and the spread tolerance of its statistics.
inline constexpr double kTolerance = 1e-10;
inline constexpr int kTargetCount = 6;
inline constexpr int kAttributeCount = 9;

// Target items 0..5: the radio caption (its name in the result and in YNAME) and the axis pitch.
struct TargetItem {
    QString caption;
    int pitch{0};
};
const std::vector<TargetItem>& targetItems();
// Attribute captions 0..8, as the check boxes show them.
const std::vector<QString>& attributeCaptions();
// A caption as a name: every full-width space removed ("項　目　Ⅰ" → "項目Ⅰ").
QString nameOf(const QString& caption);

// The amount of target item 0..5 in whole yen: KKYU1, KKYU2, base pay, prescribed pay, annual
// bonus (SYOUYO + SYOUYO2), annual income. 0 for any other index.
qint64 targetAmount(const data::TSyain_& e, int target);
// Item I and II count as linked when a wage table (JISEKI) or the matrix (MLINK) drives them.
bool countsAsLinked(const data::TSyain_& e, int target);
// Attribute 0..8: age, service, experience, years in grade (from THI), grade, ability points,
// achievement rate, job evaluation, personnel evaluation code. Ages and years count to the age
// reference date of the open company.
double attributeValue(const data::TSyain_& e, int attribute);

// What the screen shows. The selection part (work form, grades, plot marks, sex, wage table), the
// mark label, title and explanation are those of the wage plot; its x and y items are not used.
struct OptimalOptions {
    analysis::WagePlotOptions common;
    int target{0};                                                        // 0..5
    std::vector<bool> attributes = std::vector<bool>(kAttributeCount, false);
    bool graph{false};                                                    // グラフ表示
    double upper{0};                                                      // 上限 % line
    double lower{0};                                                      // 下限 % line
};

// The options stored in a chart row; a target outside 0..5 reads as 0.
OptimalOptions optimalOptionsFrom(const data::TChart_& row);
// The chart row the screen saves (CHCO 1070, KNO 1).
data::TChart_ optimalChartRow(const OptimalOptions& options, const QString& kco, const QString& nendo);
// Writes the chart row (updated, or inserted when missing). False after a database error (shown).
bool saveOptimalSettings(data::TFDM& dm, const OptimalOptions& options);
// " WHERE NENDO = ...   AND KCO   = ..." + the wage plot's employee selection + " ORDER BY SCO".
QString optimalWhere(const OptimalOptions& options, const QString& kco, const QString& nendo);

// An employee of the analysis as the result table lists it.
struct AnalysedEmployee {
    QString SCO;
    QString SCOT;
    QString SNA;
    QString YAKU;
    qint64 actual{0};    // FITJITSU: the target amount
    qint64 optimal{0};   // FITKIN: the prediction, whole yen (halves to even)
};

// What an analysis leaves for its result table, beside the regression work area.
struct OptimalAnalysis {
    int target{0};
    bool linked{false};               // at least one employee counts as linked for the target
    bool statisticsComplete{false};
    std::vector<AnalysedEmployee> employees;   // in SCO order
};

enum class RunStatus {
    Done,
    Refused,         // nothing written but the settings; message says why
    DatabaseError,   // reported by the table access layer; the FIT columns are as they were
};

struct RunResult {
    RunStatus status{RunStatus::Refused};
    QString message;
};

// The analysis: saves the settings, reads the selection, fits the target on the chosen attributes,
// computes the statistics and writes the FIT columns of the whole company and year in one
// transaction (FITNO, FITNAME, FITKIN, FITJITSU for the selection; FITNO = FITKIN = 0 for the rest).
// On Done, analysis and the regression work area hold the new analysis. Otherwise both keep the
// previous one, except that the judgement text of the work area is cleared as every run starts.
RunResult runOptimalAnalysis(data::TFDM& dm, const OptimalOptions& options, OptimalAnalysis& analysis,
                             analysis::RegressionWorkArea& work = analysis::regressionWorkArea());

// Replaces DCHART with one row per selected employee: X = FITKIN and Y = FITJITSU in 万円, F5 the
// residual in yen, MKCO the plot mark, MARKL by the mark label choice. In one transaction.
analysis::PlotRowsResult buildOptimalPlotRows(data::TFDM& dm, const OptimalOptions& options);

}  // namespace optimal
