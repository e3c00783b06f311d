#pragma once
// The series of the plot window. Every chart keeps two arrays of ten series: the employees' points
// and the comparison curves (cost of living, model wages, the diagonal of the optimal wage). Index 0
// of each array is the overall series "全体"; indexes 1..9 are the groups, one per plot mark.
//
// The plot rows of a chart (DCHART) become PlotPoint values: what the chart draws for each row (its
// mark, its label text) and what a click on it finds. Nothing here touches widgets or the database.

#include "analysis/Series.h"
#include "data/AppState.h"

#include <QString>

#include <array>
#include <vector>

namespace data {
struct TDChart_;
}

namespace analysis {

using SeriesArray = std::array<TXYDATA, 10>;
using MarkSet = std::array<data::TMMARK, 9>;

// The name of series 0.
QString overallSeriesName();

// Empties every series: count, sums, minima, maxima and means 0, no points, names as they were.
void resetSeries(SeriesArray& series);

// Adds (x, y) with third value w to the overall series and to group `group`. Ignored when x and y
// are both 0 or the group lies outside 1..9. The first point of a series sets its minima and maxima
// (and gives group series their name).
void addPoint(SeriesArray& series, const QString& name, double w, double y, double x, int group);

// Means of x, y and w; 0 for an empty series. Series 0 is named "全体".
void finishSeries(SeriesArray& series);

// Fits every series: the cubic when cubic is true, else the quadratic.
void fitSeries(SeriesArray& series, bool cubic);

// The mark index of a plot row: MKCO - 1, or 0 when that lies outside 0..8.
int markIndexOf(qint64 mkco);

// One plotted row as the chart draws it.
struct PlotPoint {
    int sco{0};           // employee code (the integer value of SCO, 0 when it is none)
    QString sna;          // employee name
    QString markLabel;    // MARKL, written above the mark
    double x{0};
    double y{0};
    double w{0};          // F5
    int mkco{0};          // MKCO as stored
    int markIndex{0};     // markIndexOf(mkco)
};

// Resets `series`, turns every row into a point (in the order given) and adds it to the series
// under the symbol of its mark; finishes and fits the series. Rows whose MKCO lies outside 1..9 are
// still drawn (with mark 1's symbol) but belong to no series; so do rows at (0, 0).
std::vector<PlotPoint> buildEmployeeSeries(const std::vector<data::TDChart_>& rows, const MarkSet& marks,
                                           bool cubic, SeriesArray& series);

}  // namespace analysis
