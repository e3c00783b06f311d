#pragma once
// The loading sequence of the plot window without the window: everything its preparation reads
// from the databases and computes before the first drawing. The window copies the result into its
// controls; tests and the benchmark call it directly.

#include "analysis/ChartPainter.h"
#include "data/Records.h"

#include <optional>
#include <vector>

namespace data {
class TFDM;
}

namespace analysis {

struct PlotData {
    ChartModel chart;                      // what is drawn
    int xItem{0};                          // FX of the chart settings (0 for chart 1070)
    int yItem{0};                          // FY
    std::optional<data::TMODEL_> model;    // the company's model data set, when found
    std::vector<data::TSEIKEI_> costOfLiving;   // chart 1030: the rows its curves come from
};

// Chart-wide pens from the first four MGRAPH rows of the open company (black, solid, width 1
// where a row is missing; a style or width that is no number counts as 1).
ChartPens loadChartPens(data::TFDM& dm);

// Runs the window's preparation for chart chartNo on the open company: the age setting of the
// company (AgeByToday), its model data set, the chart settings, the company's marks, the plot rows
// and the employee series, the comparison series of the chart (for 1050 the tentative curves of
// the design's item pair, tentativeCurves()), the pens and the scale. Read errors
// have been shown by the table access layer and leave the affected parts empty.
PlotData loadPlotData(data::TFDM& dm, int chartNo);

// The scale from the chart settings and the series: names without full-width spaces, units,
// pitches and the axis ranges.
TSDX scaleFor(const data::TChart_& settings, int chartNo, const SeriesArray& employees,
              const SeriesArray& comparison);

}  // namespace analysis
