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

struct RegressionWorkArea;

// What the analysis result window shows: eight row titles and eight captions (index 0 is
// labTitle1 / Caption1).
struct AnalysisWindowTexts {
    std::array<QString, 8> titles;
    std::array<QString, 8> captions;
};

// The analysis evaluation of a chart by its kind: the plot counts, then the mean x and y (1010),
// the mean raise and pitch with the mean curve values (1020 with an x item other than 5, and 1050),
// or the residual means and the mean wages (1020 with x item 5, and 1070); empty for other charts.
AnalysisWindowTexts analysisWindowTexts(int chartNo, int xItem, const TAnalize1& texts);

// The result of the last optimal wage regression: the dependent item, the intercept and the
// coefficients of its attributes, R, R², adjusted R² and the judgement.
AnalysisWindowTexts regressionResultTexts(const RegressionWorkArea& work);

}  // namespace analysis
