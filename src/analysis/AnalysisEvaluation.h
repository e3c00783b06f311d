#pragma once
// The analysis evaluation of a chart: each employee series' curve evaluated over whole x steps
// (mean curve value, where the curve stops rising and the pitch up to there), and the 25 result
// texts that the analysis result window and the printed chart show.

#include "analysis/PlotData.h"

#include <QString>

#include <array>

namespace data {
class TFDM;
}

namespace analysis {

// Analysis result texts 0..24.
using TAnalize1 = std::array<QString, 25>;

// Fills the evaluation block (evalCount, evalSum, evalMean, startX/Y, endX/Y, pitch) of each of the
// ten employee series of plot.chart, by its fitted curve (cubic or quadratic by FKINJI).
void evaluateSeries(PlotData& plot);

// Evaluates the series and builds the texts for the chart of plot on the open company of dm.
TAnalize1 buildAnalysisTexts(data::TFDM& dm, PlotData& plot);

}  // namespace analysis
