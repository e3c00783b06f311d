#pragma once
// The comparison series of the plot window: the curves a chart shows beside the employees' points.
// Each builder resets the comparison series, adds its points, finishes and fits them, and sets the
// comparison marks that draw them (legend text, colour, size, pen).
//
//  1030  standard cost of living: four curves (standard, comfortable, minimum, single) over age
//  1040  model wage: one curve per model series (SENSYU 0..2)
//  1070  optimal wage: the diagonal y = x across the employees' x range
// The raise curve design (1050) builds its tentative curves itself.

#include "analysis/PlotSeries.h"
#include "data/Records.h"

#include <vector>

namespace data {
class TFDM;
}

namespace analysis {

// Chart 1030. For every row with SNENREI ≠ 0, x = SNENREI and with f = KKRITSU:
//   group 1 RoundToDigits(1, SEIKEIHI / 10 · f), group 2 the same times YURITSU, group 3 times
//   STRITSU, group 4 times TNRITSU (SEIKEIHI is in thousand yen, so the values are in 万円);
// each value is cut to an integer and added only when it is not 0.
void buildCostOfLivingSeries(const std::vector<data::TSEIKEI_>& rows, bool cubic, SeriesArray& series,
                             MarkSet& marks);

// Chart 1040. For every row whose SENSYU s lies in 0..2: x = NENREI, KNENSU or KKNENSU for the x item
// 0, 1, 2 (else 0); y = Trunc(RoundToDigits(1, v / 10)) with v = KKIN, SKIN, NENSYU or SYOUYO for the
// y item 0, 1, 2, 5 (else 0); the point goes to group s + 1. Texts that are no number count as 0.
void buildModelWageSeries(const std::vector<data::TMDCHNGIN_>& rows, int xItem, int yItem, bool cubic,
                          SeriesArray& series, MarkSet& marks);

// Chart 1070: (min x, min x) and (max x, max x) of the overall employee series in group 1, so that
// the fit gives the diagonal; the marks are copies of the company's marks.
void buildOptimalWageSeries(const TXYDATA& employees, const MarkSet& companyMarks, bool cubic,
                            SeriesArray& series, MarkSet& marks);

// The MSEIKEI rows of a cost-of-living code, in the order the chart reads them. False after a read
// error (already shown).
bool loadCostOfLivingRows(data::TFDM& dm, int costOfLivingCode, std::vector<data::TSEIKEI_>& rows);
// The MDCHINGIN rows of a model data code (control database).
bool loadModelWageRows(data::TFDM& dm, int modelCode, std::vector<data::TMDCHNGIN_>& rows);

}  // namespace analysis
