#pragma once
// The raise curve analysis (chart 1020) without its screen: the x items (with the optimal wage as
// an x item), the employee selection, the plot rows written for the plot window and the chart
// settings kept in MCHART. The plot window fits the curves (per mark group or overall) and draws
// them with the level companions from these settings.

#include "analysis/WagePlot.h"
#include "data/Records.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace data {
class TFDM;
}

namespace curves {

// x item 5: the actual wage plotted against the optimal wage of each employee.
inline constexpr int optimalWageItem = 5;

// x items 0..5: 年齢, 勤続, 経験, 達成率, 職務評価, 最適賃金. The optimal wage has no pitch of its own:
// it takes that of the y item.
const std::vector<analysis::AxisItem>& raiseCurveXItems();

// Everything the screen shows, each option group as the index of its choice.
struct RaiseCurveOptions {
    analysis::WagePlotOptions selection;   // items, mark label, work form, sex, marks, grades, texts
    int degree{0};                         // 0 quadratic, 1 cubic (FKINJI)
    bool perGroup{false};                  // one curve per mark group (CGRAPH 1) or one overall (0)
    std::array<double, 4> levels{};        // companion curves in percent, 0 = none
};

// The options stored in a chart row. What the screen never writes falls back to its default: an
// item outside 0..5, the mark label 2 (never offered) or outside 0..3, a degree other than 0 or 1
// and a graph other than 0 or 1 give the first choice (overall for the graph), a work form outside
// 0..4 gives all, a sex outside 0..2 both.
RaiseCurveOptions raiseCurveOptionsFrom(const data::TChart_& row);

// The chart row the screen saves, for the y item given (for x item 5 the item the optimal wage was
// computed for).
data::TChart_ raiseCurveChartRow(const RaiseCurveOptions& options, const QString& kco, const QString& nendo);

// The condition of the employee selection (" WHERE NENDO = ... ORDER BY KCO,NEWDAY1"). For x item 5
// every employee that carries an optimal wage, whatever else is chosen.
QString raiseCurveWhere(const RaiseCurveOptions& options, const QString& kco, const QString& nendo);

// The x value of an employee: age, length of service, NENSU, TRITSU, TENSU, or FITKIN in 万円.
double raiseCurveX(const data::TSyain_& e, int xItem);

// The y item of x item 5: the item the employee's optimal wage was computed for (FITNO - 1);
// nothing when that is no y item.
std::optional<int> optimalWageYItem(const data::TSyain_& e);

struct RaiseCurveRows {
    bool ok{false};         // false: a database error, already shown; DCHART is as it was
    int employees{0};       // rows written; 0 when nobody matched (DCHART left alone)
    int yItem{0};           // the y item plotted (for x item 5 that of the first employee)
    std::optional<qint64> firstFitNo;   // FITNO of the first employee read, when any was
};

// Selects the employees and replaces the DCHART rows by one per employee (SCO, SNA, MARKL by the
// mark label, MKCO, X, Y in 万円, NO 1.., F5 = FITJITSU - FITKIN for x item 5), in one transaction.
RaiseCurveRows buildRaiseCurveRows(data::TFDM& dm, const RaiseCurveOptions& options);

// Writes the chart row (updated, or inserted when missing). False after a database error.
bool saveRaiseCurveSettings(data::TFDM& dm, const RaiseCurveOptions& options);

}  // namespace curves
