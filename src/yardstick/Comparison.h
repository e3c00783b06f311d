#pragma once
// The comparisons of the company's pay with the standard cost of living (chart 1030) and with the
// model wages (chart 1040), without their screens. Both choose employees as the wage plot does and
// write one plot row per employee; the plot window then draws the yardstick curves beside them.
// What differs between the two: the items on each axis (and which of them may be chosen), the mark
// label, the order of the employees and the precondition on the company.

#include "analysis/WagePlot.h"
#include "data/AppState.h"
#include "data/Records.h"

#include <QString>
#include <array>
#include <vector>

namespace data {
class TFDM;
}

namespace yardstick {

enum class ComparisonKind { CostOfLiving, ModelWage };

int chartNumber(ComparisonKind kind);   // 1030, 1040

// One choice of an axis item with whether its radio can be chosen on the screen.
struct ComparisonItem {
    analysis::AxisItem axis;
    bool enabled{false};
};
// x items 0..5 and y items 0..5 in the order of their stored index.
//   1030 x: 年齢 (the only one enabled), 勤続, 経験, 号俸, 達成率, 職務評価
//   1030 y: 項目Ⅰ, 項目Ⅱ, 項目Ⅲ, 基本給, 所定給, 年収 (基本給 and 所定給 enabled)
//   1040 x: 年齢, 勤続, 経験 (enabled), 学歴評価, 達成率, 職務評価
//   1040 y: 基本給, 所定給, 年収, 項目Ⅰ, 項目Ⅱ, 年間賞与 (all but 項目Ⅰ and 項目Ⅱ enabled)
const std::vector<ComparisonItem>& comparisonXItems(ComparisonKind kind);
const std::vector<ComparisonItem>& comparisonYItems(ComparisonKind kind);
// The items checked before any settings are loaded: 年齢 and 基本給.
int defaultXItem(ComparisonKind kind);
int defaultYItem(ComparisonKind kind);
// Whether the grade zone may be chosen as the mark label (the cost of living screen hides it).
bool zoneLabelOffered(ComparisonKind kind);

// What the screens show: the wage plot's options, and the fit settings the row carries along.
struct ComparisonSettings {
    analysis::WagePlotOptions options;
    qint64 fitDegree{0};        // FKINJI: 0 quadratic, 1 cubic
    qint64 curvesPerGroup{0};   // CGRAPH: 1 per mark group, 0 overall
    std::array<double, 4> levels{};   // SJYUN1 .. SJYUN4
};

// The settings of a stored chart row. A stored index the screen would not write itself falls back
// to the screen's default: an item outside 0..5 or whose radio is disabled to 年齢 / 基本給, a mark
// label outside 0..3 (or the hidden zone of the cost of living screen) to the sequence number, a
// work form outside 0..4 to すべて, a sex outside 0..2 to すべて, a fit degree outside 0..1 to 0 and
// a curve setting outside 0..1 to 1.
ComparisonSettings comparisonSettingsFrom(ComparisonKind kind, const data::TChart_& row);

// The row saved for the settings: captions, units and pitches of the chosen items, X1 = X2 = Y1 =
// Y2 = 0, TOUKYU1 0; the model wage comparison writes CGRAPH 1, the cost of living comparison the
// curve setting it read; both write back the fit degree and levels they read.
data::TChart_ comparisonChartRow(ComparisonKind kind, const ComparisonSettings& settings, const QString& kco,
                                 const QString& nendo);
// Reads (or creates) and writes the chart row of the open company. False after a database error.
bool loadComparisonSettings(data::TFDM& dm, ComparisonKind kind, ComparisonSettings& settings);
bool saveComparisonSettings(data::TFDM& dm, ComparisonKind kind, const ComparisonSettings& settings);

// The selection of the employees: the wage plot's conditions with the comparison's order
// (" ORDER BY SCO" for the cost of living, " ORDER BY KCO,NEWDAY1" for the model wage).
QString comparisonWhere(ComparisonKind kind, const analysis::WagePlotOptions& options, const QString& kco,
                        const QString& nendo);
// The point of an employee: x and y (万円) by the items of the comparison, the mark label (0 the
// employee code, 1 the evaluation symbol HKIGOU, 2 the zone, 3 none).
double comparisonX(ComparisonKind kind, const data::TSyain_& e, int xItem);
double comparisonY(ComparisonKind kind, const data::TSyain_& e, int yItem);
QString comparisonMarkLabel(const data::TSyain_& e, int markLabel);

// The precondition of an analysis: the open company has a cost-of-living code (or a model code).
// The message to show when it has not; empty when it has.
QString comparisonPrecondition(ComparisonKind kind, const data::TMKIGYOU2& company);

// Replaces the plot rows by the selected employees in one transaction. With nobody selected, the
// model wage comparison still empties DCHART; the cost of living comparison leaves it alone.
analysis::PlotRowsResult buildComparisonRows(data::TFDM& dm, ComparisonKind kind,
                                             const analysis::WagePlotOptions& options);

} // namespace yardstick
