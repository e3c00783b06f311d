#pragma once
// The raise curve design (chart 1050) without its screen: the settings kept in MCHART, the plot
// rows of the employees drawn under the designed curves, the five designs of up to six points each
// with their checks, their registration in DSPDRAW per x and y item, and the wage table generated
// from them by linear interpolation (DCHINGIN).

#include "analysis/TentativeCurves.h"
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

inline constexpr int designCount = 5;
inline constexpr int designPoints = 6;

// x items 0..5: 年齢, 勤続, 経験, 能力点数, 達成率, 職務評価 (units 歳, 年, 年, 号, ％, none).
const std::vector<analysis::AxisItem>& designXItems();
// y items 0..5: those of the wage plot.
const std::vector<analysis::AxisItem>& designYItems();

// The settings of the screen: the employee selection (its mark label is not used: the points are
// labelled with the employee code) and whether the plot window shows the employees' points.
struct DesignSettings {
    analysis::WagePlotOptions selection;
    int plotDisplay{0};   // 0 しない, 1 する (CGRAPH)
};

// The settings stored in a chart row; what the screen never writes falls back to its default (an
// item outside 0..5 to 0, a plot display other than 0 or 1 to 0, a work form outside 0..4 to all,
// a sex outside 0..2 to both).
DesignSettings designSettingsFrom(const data::TChart_& row);
data::TChart_ designChartRow(const DesignSettings& settings, const QString& kco, const QString& nendo);
// Replaces the chart row (deleted and inserted anew in one transaction). False after a database error.
bool saveDesignSettings(data::TFDM& dm, const DesignSettings& settings);

// " WHERE NENDO = ... ORDER BY KCO,NEWDAY1" for the chosen employees.
QString designWhere(const DesignSettings& settings, const QString& kco, const QString& nendo);
// The x value of an employee: age, length of service, NENSU, GOUHOU, TRITSU cut to an integer, TENSU.
double designX(const data::TSyain_& e, int xItem);
// Replaces the DCHART rows by the chosen employees (mark label SCO), in one transaction.
analysis::PlotRowsResult buildDesignRows(data::TFDM& dm, const DesignSettings& settings);

// ---- The designs ----------------------------------------------------------------------------------

struct Design {
    bool inUse{false};                        // shown in the plot window (FCHKS)
    std::array<qint64, designPoints> x{};     // 0 = no point
    std::array<qint64, designPoints> amount{};   // yen
};
using DesignGrid = std::array<Design, designCount>;

// The first fault of the grid, in the order curve 1..5, point 1..6: an amount without x
// ("年齢を入力して下さい。"), an x without amount ("金額を入力して下さい。"), or a point whose x is not
// below that of the next point given ("年齢は昇順に入力して下さい。"; empty points in between are
// passed over). The message names the curve and the point: text + j + "列 " + k + "行目".
struct GridFault {
    int design{0};   // 1..5
    int point{0};    // 1..6
    QString message;
};
std::optional<GridFault> checkDesignGrid(const DesignGrid& grid);

// What is registered besides the grid.
struct DesignRegistration {
    int xItem{0};
    int yItem{0};
    DesignGrid grid;
    QString explanation;                                     // the same KAISETSU in all five rows
    std::array<analysis::TentativeSlot, designCount> slots;  // legend, description, colour, style, width
};

// Replaces the DSPDRAW rows of the open company, year and item pair by the five designs; the rows
// of other item pairs stay. One transaction: all five rows or none. False after a database error.
bool registerDesigns(data::TFDM& dm, const DesignRegistration& designs);

// The designs registered for an item pair: every row with SDCO 1..5 fills its design and slot (the
// slots of designs without a row are left as given); the explanation is that of the last row read.
struct LoadedDesigns {
    DesignGrid grid;
    QString explanation;
    std::array<bool, designCount> found{};
    std::array<analysis::TentativeSlot, designCount> slots;
};
bool loadDesigns(data::TFDM& dm, int xItem, int yItem, LoadedDesigns& out);

// ---- The wage table ---------------------------------------------------------------------------------

// The wage table rows of the grid (the grid must pass checkDesignGrid). Each design walks from one
// given point to the next given one: the yearly pitch of a segment is its raise per x step rounded
// to tens of yen, each x of the segment gets the start amount plus pitch steps and the segment's
// end gets its exact amount; the first given point starts the table, every later segment starts one
// step after its start. KAKUSA is the amount in percent of the design's first amount, SRITSU the
// pitch in percent of the amount (two decimals, 0 when the amount is 0).
std::vector<data::TCHNGIN_> wageTableRows(const DesignGrid& grid, int xItem, int yItem, const QString& kco,
                                          const QString& nendo);

enum class WageTableResult { Written, GridRefused, Failed };
// Checks the grid (showing the fault's message and leaving DCHINGIN alone when it fails), then
// replaces the DCHINGIN rows of the open company and year by the new table in one transaction.
WageTableResult generateWageTable(data::TFDM& dm, const DesignGrid& grid, int xItem, int yItem);

// The DCHINGIN rows of the open company and year, by NO and SDCO.
bool readWageTable(data::TFDM& dm, std::vector<data::TCHNGIN_>& rows);

}  // namespace curves
