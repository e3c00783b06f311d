#pragma once
// Drawing of a chart with QPainter onto any paint device: the plot window's canvas, an offscreen
// image for the clipboard, a printer page. Everything is drawn anew on each call from the chart's
// model; nothing but the model is kept between drawings.
//
// Each plotted point's mark (its symbol in the mark's colour and size) is drawn by the painter, on
// top of everything else, and found again by pointAt(); no widget per point, so 100,000 points draw
// in a few tens of milliseconds (each mark symbol is rendered once per drawing and then copied).
//
// Fonts: the canvas font is IPAPGothic (the metrics of the program's chart font); sizes are the
// program's point sizes at 96 dots per inch, set in pixels so that every device draws alike.

#include "analysis/ChartLayout.h"
#include "analysis/PlotSeries.h"
#include "analysis/TentativeCurves.h"
#include "data/Records.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

class QPainter;
class QPen;

namespace analysis {

// A chart-wide pen (MGRAPH row): colour, style 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
// 5 clear, 6 inside frame (solid), and width.
struct ChartPen {
    QColor color{Qt::black};
    int style{0};
    int width{1};
};
// 0 the axes, 1 ticks, break marks and numbers, 2 grid lines, 3 mean lines.
using ChartPens = std::array<ChartPen, 4>;

QPen qtPen(const QColor& color, int style, int width);

// The chart font at a point size (pixels = points · 96 / 72).
QFont canvasFont(int pointSize);

// Everything a chart is drawn from.
struct ChartModel {
    int chartNo{chart::None};
    data::TChart_ settings;          // FKINJI, CGRAPH, SJYUN1..4 are read here
    TSDX scale;
    SeriesArray employees;
    SeriesArray comparison;
    MarkSet employeeMarks;
    MarkSet comparisonMarks;
    std::vector<PlotPoint> points;   // the plot rows, in drawing order
    ChartPens pens;
    // Chart 1050: the slots of the tentative curves (drawn from comparison series 1..5) and the
    // points clicked so far; nothing is drawn for them without it.
    const TSPD* tentative{nullptr};
};

// Above this many labelled points the point labels are thinned: where labels would start in the same
// 16 × 16-pixel cell only the topmost (last drawn) one is written. At that density labels lie over
// each other into an unreadable blot anyway; every mark is still drawn.
inline constexpr int labelsDrawnInFull = 5000;

// One drawing of a chart at a window size. Construction computes the layout and the pixel position
// of every point; paint() draws; pointAt() finds the point under a pixel.
class ChartPainter {
public:
    // window: the size of the window's client area, panel included; panelWidth: the entry panel at
    // its left edge. Coordinates are the window's.
    ChartPainter(const ChartModel& model, QSize window, int panelWidth);

    const ChartLayout& layout() const { return layout_; }
    // Pixel of each point (model.points order).
    const std::vector<QPoint>& positions() const { return positions_; }

    // Draws by chart kind: frame and axes, point labels and legend, curves or polylines, and the
    // marks on top. Chart 0 draws nothing.
    void paint(QPainter& p) const;

    void paintFrameAndAxes(QPainter& p) const;
    void paintLabelsAndLegend(QPainter& p) const;
    void paintMarks(QPainter& p) const;
    // Fitted curves of a series array with a mark set (charts 1020 and 1070).
    void paintFittedCurves(QPainter& p, const SeriesArray& series, const MarkSet& marks) const;
    // Polylines of the comparison series; extended to the x maximum in chart 1030.
    void paintPolylines(QPainter& p, bool extendToRight) const;
    // Chart 1050: the tentative curves of the slots that hold points, then the clicked points.
    void paintTentativeCurves(QPainter& p) const;

    // The rectangle a point's mark covers: its symbol's text box at (x - 7, y - 7); empty when its
    // mark has no symbol (such a point is neither drawn nor found).
    QRect markRect(int index) const;
    // The topmost point (the last drawn) whose mark covers pixel; -1 when none.
    int pointAt(QPoint pixel) const;

    // How many point labels the last paint wrote (after thinning).
    int labelsWritten() const { return labelsWritten_; }

private:
    void textOut(QPainter& p, int x, int y, const QString& text) const;
    const QImage& markImage(int markIndex) const;
    std::vector<int> labelsToWrite() const;

    const ChartModel& m_;
    QSize window_;
    ChartLayout layout_;
    std::vector<QPoint> positions_;
    std::array<QSize, 9> markSizes_{};
    mutable std::array<QImage, 9> markImages_;
    mutable int labelsWritten_{0};
};

// The chart as the copy button puts it on the clipboard: the canvas from (panelWidth + 2, 2) to
// (width - 11, height - 38) stretched onto (width - 4) × (height - 4) pixels.
QImage chartCopyImage(const ChartModel& model, QSize window, int panelWidth);

// The chart drawn onto a white image of the window's size (the panel area left blank).
QImage renderChart(const ChartModel& model, QSize window, int panelWidth);

}  // namespace analysis
