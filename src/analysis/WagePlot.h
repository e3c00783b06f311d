#pragma once
// The wage plot (chart 1010) without its screen: the x and y items with their units and pitches,
// the employee selection, the value of each point, the plot rows written for the plot window, and
// the chart settings kept in MCHART.

#include "data/Records.h"

#include <QString>

#include <functional>
#include <vector>

namespace data {
class TFDM;
}

namespace analysis {

// The open company's code and fiscal year as they go into a condition: written from their integer
// values, so that nothing but a number ever reaches the SQL text.
struct CompanyKeys {
    QString kco;
    QString nendo;
};
CompanyKeys companyKeys(const data::TFDM& dm);

// One choice of an axis item: the radio caption (stored as the axis name), the unit written at the
// axis, and the tick pitch.
struct AxisItem {
    QString caption;
    QString unit;
    int pitch{0};
};

// x items 0..5: 年齢, 勤続, 経験, 能力評価, 達成率, 職務評価.
const std::vector<AxisItem>& wagePlotXItems();
// y items 0..5: 項目Ⅰ, 項目Ⅱ, 基本給, 所定給, 年間賞与, 年収 (all in 万円).
const std::vector<AxisItem>& wagePlotYItems();

// What the wage plot screen shows: every option group as the index of its choice.
struct WagePlotOptions {
    int xItem{0};                          // 0..5
    int yItem{0};                          // 0..5
    int markLabel{0};                      // 0 employee code, 1 evaluation symbol, 2 zone, 3 none
    int workForm{4};                       // 0..3 work forms 1..4, 4 all (すべて)
    int sex{2};                            // 0 male, 1 female, 2 both (すべて)
    int wageTable{0};                      // code of the wage table selection; 0 = none
    std::vector<bool> plotMarks = std::vector<bool>(9, false);  // plot mark boxes 1..9
    std::vector<bool> grades = std::vector<bool>(9, false);     // grade boxes 1..9
    QString title;                         // up to 40 characters
    QString explanation;
};

// The options stored in a chart row. Indexes outside what the screen writes are taken as: an item
// or mark label outside its range as 0, a work form above 4 (or below 0) as all, a sex outside 0..2
// as both.
WagePlotOptions wagePlotOptionsFrom(const data::TChart_& row);

// The chart row the screen saves: the options with the captions, units and pitches of the chosen
// items, one curve per group, no fit settings.
data::TChart_ wagePlotChartRow(const WagePlotOptions& options, const QString& kco, const QString& nendo);
// Writes the captions, units and pitches of the chosen x and y items into a chart row.
void setChartAxes(data::TChart_& row, const AxisItem& x, const AxisItem& y);

// The condition of the employee selection, " WHERE NENDO = ... ORDER BY SCO": work form, grades
// (TOUKYU under a wage table, else TCO), plot marks (MCO) and sex. Built from numbers only.
QString wagePlotWhere(const WagePlotOptions& options, const QString& kco, const QString& nendo);
// The part of that condition after the company and year: work form, grades, plot marks and sex
// (" AND SM1 = 2 and TCO  IN(1,3) AND MCO  IN(2) AND SEIBETSU = 0"). The other analysis screens
// put it between their own company condition and order.
QString employeeSelection(const WagePlotOptions& options);

// The point of an employee: x by the x item, y in 万円 by the y item, and its label text.
double wagePlotX(const data::TSyain_& e, int xItem);
double wagePlotY(const data::TSyain_& e, int yItem);
QString wagePlotMarkLabel(const data::TSyain_& e, int markLabel);

// Reads the chart row (NENDO, KCO, CHCO = chartNo, KNO = 1) of the open company, creating it with
// defaults when it is missing. False after a database error (already shown).
bool loadChartSettings(data::TFDM& dm, int chartNo, data::TChart_& row);

// Writes the wage plot's chart row (updated, or inserted when missing). False after a database error.
bool saveWagePlotSettings(data::TFDM& dm, const WagePlotOptions& options);

struct PlotRowsResult {
    bool ok{false};       // false: a database error, already shown; DCHART is as it was
    int employees{0};     // rows written; 0 when no employee matched (DCHART is then left alone)
};

// Selects the employees of the open company by the options and, when there are any, replaces the
// DCHART rows with one row per employee (SCO, SNA, MARKL, MKCO = MCO, X, Y, NO = 1, 2, ...), all in
// one transaction: every row or none.
PlotRowsResult buildWagePlotRows(data::TFDM& dm, const WagePlotOptions& options);

// The same for any analysis screen: the employees of "SELECT * FROM VSYAIN" + where, each written
// as a DCHART row that fill completes (NO is set before fill is called); all in one transaction,
// DCHART left alone when nobody matched.
PlotRowsResult writePlotRows(data::TFDM& dm, const QString& where,
                             const std::function<void(const data::TSyain_&, data::TDChart_&)>& fill);

}  // namespace analysis
