#include "analysis/PlotSeries.h"

#include "analysis/Regression.h"
#include "data/Common.h"
#include "data/Records.h"

#include <algorithm>

namespace analysis {

QString overallSeriesName()
{
    return QStringLiteral("全体");
}

void resetSeries(SeriesArray& series)
{
    for (TXYDATA& s : series) {
        s.n = 0;
        s.xs.clear();
        s.ys.clear();
        s.sumX = s.minX = s.maxX = s.meanX = 0;
        s.sumY = s.minY = s.maxY = s.meanY = 0;
        s.sumW = s.meanW = 0;
    }
}

namespace {

void addTo(TXYDATA& s, double w, double y, double x)
{
    if (s.n == 0) {
        s.minX = s.maxX = x;
        s.minY = s.maxY = y;
    }
    s.sumX += x;
    s.sumY += y;
    s.sumW += w;
    s.minX = std::min(s.minX, x);
    s.maxX = std::max(s.maxX, x);
    s.minY = std::min(s.minY, y);
    s.maxY = std::max(s.maxY, y);
    s.xs.push_back(x);
    s.ys.push_back(y);
    ++s.n;
}

} // namespace

void addPoint(SeriesArray& series, const QString& name, double w, double y, double x, int group)
{
    if ((x == 0 && y == 0) || group < 1 || group > 9)
        return;
    addTo(series[0], w, y, x);
    TXYDATA& g = series[size_t(group)];
    if (g.n == 0)
        g.name = name;
    addTo(g, w, y, x);
}

void finishSeries(SeriesArray& series)
{
    series[0].name = overallSeriesName();
    for (TXYDATA& s : series) {
        s.meanX = data::SafeDiv(s.sumX, s.n);
        s.meanY = data::SafeDiv(s.sumY, s.n);
        s.meanW = data::SafeDiv(s.sumW, s.n);
    }
}

void fitSeries(SeriesArray& series, bool cubic)
{
    for (TXYDATA& s : series) {
        if (cubic)
            fitCubic(s);
        else
            fitQuadratic(s);
    }
}

int markIndexOf(qint64 mkco)
{
    const qint64 i = mkco - 1;
    return i < 0 || i > 8 ? 0 : int(i);
}

std::vector<PlotPoint> buildEmployeeSeries(const std::vector<data::TDChart_>& rows, const MarkSet& marks,
                                           bool cubic, SeriesArray& series)
{
    resetSeries(series);
    std::vector<PlotPoint> points;
    points.reserve(rows.size());
    for (const data::TDChart_& r : rows) {
        PlotPoint p;
        p.sco = int(data::parseIntText(r.SCO).value_or(0));
        p.sna = r.SNA;
        p.markLabel = r.MARKL;
        p.x = r.X;
        p.y = r.Y;
        p.w = double(r.F5);
        p.mkco = int(std::clamp<qint64>(r.MKCO, -1, 99));
        p.markIndex = markIndexOf(r.MKCO);
        addPoint(series, marks[size_t(p.markIndex)].mark, p.w, p.y, p.x, int(std::clamp<qint64>(r.MKCO, -1, 99)));
        points.push_back(std::move(p));
    }
    finishSeries(series);
    fitSeries(series, cubic);
    return points;
}

} // namespace analysis
