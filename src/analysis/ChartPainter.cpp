#include "analysis/ChartPainter.h"

#include "analysis/Regression.h"
#include "data/Common.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cmath>

namespace analysis {

namespace {

// Ticks, grid lines and numbers stop after this many steps: a pitch so fine draws a solid block
// anyway, and the loop must end on any scale.
constexpr int maxAxisSteps = 2000;
// A fitted curve is walked in at most this many segments, whatever its x range.
constexpr int maxCurveSegments = 20000;

const QColor overallCurveColor(0, 128, 0);

int canvasPointSize(const MarkSet& marks)
{
    return marks[0].markSize == 0 ? 12 : marks[0].markSize;
}

// The axis values v = min + k · pitch, k = 1, 2, ..., while v <= max (or v < max when `below`).
template <class F>
void forEachStep(int min, int max, int pitch, bool below, F f)
{
    if (pitch <= 0)
        return;
    int steps = 0;
    for (qint64 v = qint64(min) + pitch; below ? v < max : v <= max; v += pitch) {
        if (++steps > maxAxisSteps)
            break;
        f(int(v));
    }
}

double curveValue(const TXYDATA& s, double x, double factor, bool cubic)
{
    return cubic ? evalCubic(s, x, factor) : evalQuadratic(s, x, factor);
}

} // namespace

QPen qtPen(const QColor& color, int style, int width)
{
    QPen pen(color);
    pen.setWidth(std::max(1, width));
    switch (style) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    case 5: pen.setStyle(Qt::NoPen); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    return pen;
}

QFont canvasFont(int pointSize)
{
    QFont f(QStringLiteral("IPAPGothic"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, int(std::lround(pointSize * 96.0 / 72.0))));
    return f;
}

ChartPainter::ChartPainter(const ChartModel& model, QSize window, int panelWidth) : m_(model), window_(window)
{
    const QFontMetrics fm(canvasFont(canvasPointSize(m_.employeeMarks)));
    const QString a = QStringLiteral("あ");
    CanvasTextSize text;
    text.lineHeight = fm.height();
    text.legendWidth = fm.horizontalAdvance(a.repeated(11));
    layout_ = chartLayout(window.width(), window.height(), panelWidth, text, m_.scale);

    for (size_t i = 0; i < markSizes_.size(); ++i) {
        const data::TMMARK& mk = m_.employeeMarks[i];
        if (mk.mark.isEmpty())
            continue;
        const QFontMetrics mfm(canvasFont(mk.markSize));
        markSizes_[i] = QSize(mfm.horizontalAdvance(mk.mark), mfm.height());
    }
    positions_.reserve(m_.points.size());
    for (const PlotPoint& pt : m_.points)
        positions_.emplace_back(pixelX(layout_, m_.scale, pt.x), pixelY(layout_, m_.scale, pt.y));
}

void ChartPainter::textOut(QPainter& p, int x, int y, const QString& text) const
{
    // Every text position of the chart is the top-left corner of the text's box, not its baseline.
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

void ChartPainter::paint(QPainter& p) const
{
    labelsWritten_ = 0;
    switch (m_.chartNo) {
    case chart::WagePlot:
        paintFrameAndAxes(p);
        paintLabelsAndLegend(p);
        break;
    case chart::RaiseCurve:
        paintFrameAndAxes(p);
        paintLabelsAndLegend(p);
        paintFittedCurves(p, m_.employees, m_.employeeMarks);
        break;
    case chart::CostOfLiving:
    case chart::ModelWage:
        paintFrameAndAxes(p);
        paintLabelsAndLegend(p);
        paintPolylines(p, m_.chartNo == chart::CostOfLiving);
        break;
    case chart::RaiseDesign:
        paintFrameAndAxes(p);
        if (m_.settings.CGRAPH == 1)
            paintLabelsAndLegend(p);
        paintTentativeCurves(p);
        break;
    case chart::OptimalWage:
        paintFrameAndAxes(p);
        paintLabelsAndLegend(p);
        paintFittedCurves(p, m_.comparison, m_.comparisonMarks);
        break;
    default:
        return;
    }
    if (m_.chartNo != chart::RaiseDesign || m_.settings.CGRAPH == 1)
        paintMarks(p);
}

void ChartPainter::paintFrameAndAxes(QPainter& p) const
{
    const ChartLayout& l = layout_;
    const TSDX& s = m_.scale;
    const ChartPens& pens = m_.pens;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    auto usePen = [&](int i) { p.setPen(qtPen(pens[size_t(i)].color, pens[size_t(i)].style, pens[size_t(i)].width)); };

    usePen(0);
    p.drawLine(l.axisX, l.plotTop, l.axisX, l.axisY);
    p.drawLine(l.axisX, l.axisY, l.legendLeft, l.axisY);

    // y axis: break mark, top tick, ticks, grid, mean line.
    usePen(1);
    if (s.yMin != 0)
        p.drawLine(l.axisX - 5, l.axisY - 30, l.axisX + 5, l.axisY - 30);
    p.drawLine(l.axisX - 5, l.plotTop + 20, l.axisX + 5, l.plotTop + 20);
    forEachStep(s.yMin, s.yMax, s.yPitch, false, [&](int v) {
        const int y = pixelY(l, s, v);
        p.drawLine(l.axisX - 5, y, l.axisX + 5, y);
    });
    usePen(2);
    forEachStep(s.yMin, s.yMax, s.yPitch, false, [&](int v) {
        const int y = pixelY(l, s, v);
        p.drawLine(l.axisX, y, l.legendLeft, y);
    });
    usePen(3);
    {
        const int y = pixelY(l, s, m_.employees[0].meanY);
        p.drawLine(l.axisX, y, l.legendLeft, y);
    }

    // x axis: break mark or end tick, ticks, grid, mean line.
    usePen(1);
    if (s.xMin != 0)
        p.drawLine(l.axisX + 30, l.axisY - 5, l.axisX + 30, l.axisY + 5);
    else
        p.drawLine(l.legendLeft - 20, l.axisY - 5, l.legendLeft - 20, l.axisY + 5);
    forEachStep(s.xMin, s.xMax, s.xPitch, false, [&](int v) {
        const int x = pixelX(l, s, v);
        p.drawLine(x, l.axisY - 5, x, l.axisY + 5);
    });
    usePen(2);
    forEachStep(s.xMin, s.xMax, s.xPitch, false, [&](int v) {
        const int x = pixelX(l, s, v);
        p.drawLine(x, l.plotTop, x, l.axisY);
    });
    usePen(3);
    {
        const int x = pixelX(l, s, m_.employees[0].meanX);
        p.drawLine(x, l.plotTop, x, l.axisY);
    }

    // Numbers.
    p.setFont(canvasFont(12));
    p.setPen(pens[1].color);
    if (s.xMin == 0 || s.yMin == 0)
        textOut(p, l.axisX - 10, l.axisY + 5, QStringLiteral("0"));
    if (s.yMin != 0)
        textOut(p, l.axisX - 40, l.axisY - 37, QString::number(s.yMin));
    textOut(p, l.axisX - 40, l.plotTop + 13, QString::number(s.yMax));
    forEachStep(s.yMin, s.yMax, s.yPitch, true,
                [&](int v) { textOut(p, l.axisX - 40, pixelY(l, s, v) - 7, QString::number(v)); });
    if (s.xMin != 0)
        textOut(p, l.axisX + 25, l.axisY + 5, QString::number(s.xMin));
    textOut(p, l.legendLeft - 25, l.axisY + 5, QString::number(s.xMax));
    forEachStep(s.xMin, s.xMax, s.xPitch, true,
                [&](int v) { textOut(p, pixelX(l, s, v) - 5, l.axisY + 5, QString::number(v)); });

    // Names and units.
    p.setFont(canvasFont(11));
    p.setPen(Qt::black);
    textOut(p, l.legendLeft - 10, l.axisY + 20, s.xUnit);
    textOut(p, l.axisX - 10, l.plotTop - 20, s.yUnit);
    textOut(p, l.axisX + 40, l.axisY + 20, s.xName);
    static constexpr int nameRows[] = {80, 57, 34, 11};
    for (int i = 0; i < 4 && i < s.yName.size(); ++i)
        textOut(p, l.axisX - 70, l.axisY - nameRows[i], s.yName.mid(i, 1));
    p.restore();
}

std::vector<int> ChartPainter::labelsToWrite() const
{
    std::vector<int> labelled;
    for (size_t i = 0; i < m_.points.size(); ++i) {
        const PlotPoint& pt = m_.points[i];
        if (!pt.markLabel.isEmpty() && !m_.employeeMarks[size_t(pt.markIndex)].mark.isEmpty())
            labelled.push_back(int(i));
    }
    if (int(labelled.size()) <= labelsDrawnInFull)
        return labelled;

    // Thinning: walk from the top (last drawn) down and keep the first label of every cell.
    constexpr int cell = 16;
    const int cols = std::max(1, window_.width() / cell + 1);
    const int rows = std::max(1, window_.height() / cell + 1);
    std::vector<bool> taken(size_t(cols) * size_t(rows), false);
    std::vector<int> kept;
    for (auto it = labelled.rbegin(); it != labelled.rend(); ++it) {
        const QPoint at = positions_[size_t(*it)] + QPoint(-4, -23);
        if (at.x() < 0 || at.y() < 0 || at.x() >= window_.width() || at.y() >= window_.height())
            continue;
        const size_t key = size_t(at.y() / cell) * size_t(cols) + size_t(at.x() / cell);
        if (taken[key])
            continue;
        taken[key] = true;
        kept.push_back(*it);
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

void ChartPainter::paintLabelsAndLegend(QPainter& p) const
{
    const ChartLayout& l = layout_;
    p.save();
    // Point labels, each above its point in its mark's colour and size.
    const std::vector<int> labels = labelsToWrite();
    int currentMark = -1;
    for (int i : labels) {
        const PlotPoint& pt = m_.points[size_t(i)];
        if (pt.markIndex != currentMark) {
            const data::TMMARK& mk = m_.employeeMarks[size_t(pt.markIndex)];
            p.setFont(canvasFont(mk.markSize));
            p.setPen(mk.markColor);
            currentMark = pt.markIndex;
        }
        const QPoint at = positions_[size_t(i)];
        textOut(p, at.x() - 4, at.y() - 23, pt.markLabel);
    }
    labelsWritten_ = int(labels.size());

    // Legend of the employee groups that hold points.
    const int firstSize = m_.employeeMarks[0].markSize;
    p.setFont(canvasFont(firstSize));
    p.setPen(Qt::black);
    const QString title = QStringLiteral("凡例");
    textOut(p, l.legendLeft + 20, l.plotTop - 20, title);
    int h = p.fontMetrics().height() + 2;
    for (int g = 1; g <= 9; ++g) {
        if (m_.employees[size_t(g)].n == 0)
            continue;
        const data::TMMARK& mk = m_.employeeMarks[size_t(g - 1)];
        p.setFont(canvasFont(mk.markSize));
        p.setPen(mk.markColor);
        textOut(p, l.legendLeft + 20, l.plotTop + h - 10, mk.mark + QLatin1Char(' ') + mk.legend);
        h += p.fontMetrics().height() + 2;
    }
    p.restore();
}

const QImage& ChartPainter::markImage(int markIndex) const
{
    QImage& img = markImages_[size_t(markIndex)];
    if (img.isNull()) {
        const data::TMMARK& mk = m_.employeeMarks[size_t(markIndex)];
        const QSize size = markSizes_[size_t(markIndex)];
        img = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter ip(&img);
        ip.setFont(canvasFont(mk.markSize));
        ip.setPen(mk.markColor);
        ip.drawText(QPoint(0, ip.fontMetrics().ascent()), mk.mark);
    }
    return img;
}

void ChartPainter::paintMarks(QPainter& p) const
{
    for (size_t i = 0; i < m_.points.size(); ++i) {
        const int mark = m_.points[i].markIndex;
        if (markSizes_[size_t(mark)].isEmpty())
            continue;
        p.drawImage(positions_[i] - QPoint(7, 7), markImage(mark));
    }
}

QRect ChartPainter::markRect(int index) const
{
    if (index < 0 || size_t(index) >= m_.points.size())
        return {};
    const QSize size = markSizes_[size_t(m_.points[size_t(index)].markIndex)];
    if (size.isEmpty())
        return {};
    return QRect(positions_[size_t(index)] - QPoint(7, 7), size);
}

int ChartPainter::pointAt(QPoint pixel) const
{
    // Marks that are not drawn cannot be clicked: no chart, or a design chart without its points.
    if (m_.chartNo == chart::None || (m_.chartNo == chart::RaiseDesign && m_.settings.CGRAPH != 1))
        return -1;
    for (size_t i = m_.points.size(); i-- > 0;) {
        const QSize size = markSizes_[size_t(m_.points[i].markIndex)];
        const QPoint d = pixel - (positions_[i] - QPoint(7, 7));
        if (d.x() >= 0 && d.y() >= 0 && d.x() < size.width() && d.y() < size.height())
            return int(i);
    }
    return -1;
}

void ChartPainter::paintFittedCurves(QPainter& p, const SeriesArray& series, const MarkSet& marks) const
{
    const ChartLayout& l = layout_;
    const TSDX& s = m_.scale;
    const bool cubic = m_.settings.FKINJI != 0;
    const double baseStep = curveStep(l, s);
    std::vector<double> factors{1.0};
    for (double pct : {m_.settings.SJYUN1, m_.settings.SJYUN2, m_.settings.SJYUN3, m_.settings.SJYUN4})
        if (pct != 0)
            factors.push_back(1 + pct / 100);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const int first = m_.settings.CGRAPH != 0 ? 1 : 0;
    const int last = m_.settings.CGRAPH != 0 ? 9 : 0;
    for (int i = first; i <= last; ++i) {
        const TXYDATA& ser = series[size_t(i)];
        if (ser.n == 0)
            continue;
        const double step = std::max(baseStep, (ser.maxX - ser.minX) / maxCurveSegments);
        for (double factor : factors) {
            QPen pen = i == 0 ? qtPen(overallCurveColor, 0, 2)
                              : qtPen(marks[size_t(i - 1)].lineColor, marks[size_t(i - 1)].lineStyle,
                                      marks[size_t(i - 1)].lineWidth);
            if (factor != 1.0) {
                pen.setWidth(1);
                pen.setStyle(Qt::DotLine);
            }
            p.setPen(pen);
            QPoint at;
            double r = ser.minX;
            // The count ends the walk also where r + step no longer changes r (x beyond 1e16).
            for (int segments = 0;; ++segments) {
                const bool last = r >= ser.maxX || segments >= maxCurveSegments;
                if (last)
                    r = ser.maxX;
                const double y = factor * curveValue(ser, r, 1.0, cubic);
                const QPoint to(pixelX(l, s, r), pixelY(l, s, y));
                if (r > ser.minX && y >= s.yMin && y <= s.yMax)
                    p.drawLine(at, to);
                at = to;
                if (last)
                    break;
                r += step;
            }
        }
    }
    p.restore();
}

void ChartPainter::paintPolylines(QPainter& p, bool extendToRight) const
{
    const ChartLayout& l = layout_;
    const TSDX& s = m_.scale;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    int e = 200;
    for (int j = 1; j <= 9; ++j) {
        const TXYDATA& ser = m_.comparison[size_t(j)];
        if (ser.n == 0)
            continue;
        const data::TMMARK& mk = m_.comparisonMarks[size_t(j - 1)];
        const QPen pen = qtPen(mk.lineColor, mk.lineStyle, mk.lineWidth);
        p.setPen(pen);
        QPolygon line;
        for (int k = 0; k < ser.n; ++k)
            line << QPoint(pixelX(l, s, ser.xs[size_t(k)]), pixelY(l, s, ser.ys[size_t(k)]));
        if (extendToRight && ser.n >= 2 && s.xMax > ser.xs[size_t(ser.n - 1)])
            line << QPoint(pixelX(l, s, s.xMax), line.back().y());
        p.drawPolyline(line);
        if (ser.n >= 2) {
            p.setFont(canvasFont(mk.markSize));
            p.setPen(mk.markColor);
            textOut(p, l.legendLeft + 50, l.plotTop - 10 + e, mk.legend);
            p.setPen(pen);
            p.drawLine(l.legendLeft + 20, l.plotTop - 5 + e, l.legendLeft + 48, l.plotTop - 5 + e);
            p.setFont(canvasFont(mk.markSize));
            e += p.fontMetrics().height() + 2;
        }
    }
    p.restore();
}

QImage renderChart(const ChartModel& model, QSize window, int panelWidth)
{
    QImage img(window.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    ChartPainter(model, window, panelWidth).paint(p);
    return img;
}

QImage chartCopyImage(const ChartModel& model, QSize window, int panelWidth)
{
    const QImage canvas = renderChart(model, window, panelWidth);
    const QRect from(QPoint(panelWidth + 2, 2), QPoint(window.width() - 12, window.height() - 39));
    const QSize to(std::max(1, window.width() - 4), std::max(1, window.height() - 4));
    if (from.isEmpty())
        return QImage(to, QImage::Format_RGB32);
    return canvas.copy(from).scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

void ChartPainter::paintTentativeCurves(QPainter& p) const
{
    if (!m_.tentative)
        return;
    const ChartLayout& l = layout_;
    const TSDX& s = m_.scale;
    p.save();
    p.setFont(canvasFont(canvasPointSize(m_.employeeMarks)));
    int written = 0;
    for (int n = 1; n <= 5; ++n) {
        const TXYDATA& series = m_.comparison[size_t(n)];
        if (series.n == 0)
            continue;
        const TentativeSlot& slot = m_.tentative->slots[size_t(n)];
        p.setPen(slot.color);
        std::vector<QPoint> pixels;
        for (int i = 0; i < series.n; ++i)
            pixels.emplace_back(pixelX(l, s, series.xs[size_t(i)]), pixelY(l, s, series.ys[size_t(i)]));
        for (const QPoint& at : pixels)
            textOut(p, at.x() - 5, at.y() - 5, QStringLiteral("＋"));
        const QString tag = QStringLiteral("(") + QString::number(n) + QStringLiteral(")");
        textOut(p, pixels.back().x() + 5, pixels.back().y() - 10, tag);
        textOut(p, l.legendLeft + 20, l.plotTop + 15 * written + 95, tag + QLatin1Char(' ') + slot.HANREI);
        ++written;

        p.setPen(qtPen(slot.color, slot.style, slot.width == 0 ? 1 : slot.width));
        QPoint from(pixels.front().x(), series.minX == 0 ? l.dataBottom : pixels.front().y());
        for (int i = 0; i < series.n; ++i) {
            if (series.xs[size_t(i)] == 0 && series.ys[size_t(i)] == 0)
                continue;
            p.drawLine(from, pixels[size_t(i)]);
            from = pixels[size_t(i)];
        }
    }

    p.setPen(qtPen(Qt::black, 0, 1));
    p.setBrush(Qt::NoBrush);
    const std::vector<TentativePoint>& clicked = m_.tentative->points;
    for (size_t i = 0; i < clicked.size(); ++i) {
        const QPoint at(clicked[i].pixelX, clicked[i].pixelY);
        p.drawEllipse(at, 5, 5);
        if (i > 0)
            p.drawLine(QPoint(clicked[i - 1].pixelX, clicked[i - 1].pixelY), at);
    }
    p.restore();
}

} // namespace analysis
