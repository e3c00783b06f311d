// The chart drawn into an image: where marks, axes, break marks, mean lines, labels, legends, curves
// and polylines land, that degenerate scales and series draw without failing, and which point a
// pixel finds.

#include "UiFixture.h"
#include "analysis/ChartPainter.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <climits>

namespace {

using analysis::ChartModel;
using analysis::ChartPainter;

const QSize window(1000, 700);
constexpr int panel = 73;
const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 128, 0), grey(224, 224, 224), magenta(255, 0, 255);

class ChartPainting : public testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
};

// A wage plot of age 20 ... 60 against 10 ... 40 万円 with marks ■ red, ● blue, ▲ green (no points
// in the third group) and pens telling the parts apart: axes blue, ticks red, grid grey, means magenta.
ChartModel wagePlot(int xMin = 20, int yMin = 10)
{
    ChartModel m;
    m.chartNo = 1010;
    const char* symbols[] = {"■", "●", "▲"};
    const QColor colors[] = {red, blue, green};
    for (int i = 0; i < 3; ++i) {
        m.employeeMarks[size_t(i)].no = i + 1;
        m.employeeMarks[size_t(i)].mark = QString::fromUtf8(symbols[i]);
        m.employeeMarks[size_t(i)].legend = QStringLiteral("グループ") + QString::number(i + 1);
        m.employeeMarks[size_t(i)].markColor = colors[i];
        m.employeeMarks[size_t(i)].lineColor = colors[i];
        m.employeeMarks[size_t(i)].markSize = 9;
    }
    m.pens = {analysis::ChartPen{blue, 0, 1}, {red, 0, 1}, {grey, 0, 1}, {magenta, 0, 1}};
    analysis::resetSeries(m.employees);
    analysis::resetSeries(m.comparison);
    const struct {
        double x, y;
        int mkco;
        const char* label;
    } rows[] = {{30, 25.3, 1, "101"}, {40, 32, 2, "102"}, {25, 21, 1, "103"}, {50, 37, 2, "104"}};
    for (const auto& r : rows) {
        analysis::PlotPoint p;
        p.x = r.x;
        p.y = r.y;
        p.mkco = r.mkco;
        p.markIndex = r.mkco - 1;
        p.markLabel = QString::fromUtf8(r.label);
        m.points.push_back(p);
        analysis::addPoint(m.employees, m.employeeMarks[size_t(p.markIndex)].mark, 0, r.y, r.x, r.mkco);
    }
    analysis::finishSeries(m.employees);
    analysis::fitSeries(m.employees, false);
    m.scale.xMin = xMin;
    m.scale.xMax = 60;
    m.scale.yMin = yMin;
    m.scale.yMax = 40;
    m.scale.xPitch = 10;
    m.scale.yPitch = 10;
    m.scale.updateRanges();
    m.scale.xName = QStringLiteral("年齢");
    m.scale.yName = QStringLiteral("基本給");
    m.scale.xUnit = QStringLiteral("歳");
    m.scale.yUnit = QStringLiteral("万円");
    return m;
}

TEST_F(ChartPainting, EachMarkSitsWhereItsValuesPutIt)
{
    const ChartModel m = wagePlot();
    const QImage img = analysis::renderChart(m, window, panel);
    const ChartPainter painter(m, window, panel);
    const analysis::ChartLayout& l = painter.layout();
    for (size_t i = 0; i < m.points.size(); ++i) {
        const QPoint at = painter.positions()[i];
        EXPECT_EQ(at, QPoint(analysis::pixelX(l, m.scale, m.points[i].x), analysis::pixelY(l, m.scale, m.points[i].y)));
        const QColor color = m.employeeMarks[size_t(m.points[i].markIndex)].markColor;
        SCOPED_TRACE(testing::Message() << "point " << i << " at " << at.x() << "," << at.y());
        EXPECT_EQ(img.pixelColor(at).rgb(), color.rgb());
        // The symbol fills most of its box, and its box is where the point is.
        const QRect box = painter.markRect(int(i));
        EXPECT_EQ(box.topLeft(), at - QPoint(7, 7));
        EXPECT_GT(countColor(img, box, color), box.width() * box.height() / 3);
    }
    // Between the points the data area is blank.
    const QPoint empty(analysis::pixelX(l, m.scale, 55), analysis::pixelY(l, m.scale, 15));
    EXPECT_EQ(countInk(img, QRect(empty - QPoint(3, 3), QSize(6, 6))), 0);
}

TEST_F(ChartPainting, AxesTicksBreakMarksAndMeanLines)
{
    struct Case {
        int xMin, yMin;
    };
    for (const Case c : {Case{0, 0}, Case{20, 0}, Case{0, 10}, Case{20, 10}}) {
        SCOPED_TRACE(testing::Message() << "minima " << c.xMin << ", " << c.yMin);
        const ChartModel m = wagePlot(c.xMin, c.yMin);
        const QImage img = analysis::renderChart(m, window, panel);
        const ChartPainter painter(m, window, panel);
        const analysis::ChartLayout& l = painter.layout();
        // Axes in pen 0.
        EXPECT_EQ(img.pixelColor(l.axisX, l.plotTop + 3).rgb(), blue.rgb());
        EXPECT_EQ(img.pixelColor(l.legendLeft - 3, l.axisY).rgb(), blue.rgb());
        // The y break mark 30 pixels above the x axis, only after a non-zero y minimum.
        EXPECT_EQ(img.pixelColor(l.axisX - 4, l.axisY - 30).rgb() == red.rgb(), c.yMin != 0);
        // On the x axis a break tick 30 pixels right of the y axis; the x maximum's tick always.
        EXPECT_EQ(img.pixelColor(l.axisX + 30, l.axisY + 4).rgb() == red.rgb(), c.xMin != 0);
        EXPECT_EQ(img.pixelColor(l.legendLeft - 20, l.axisY + 4).rgb(), red.rgb());
        // A tick and a grid line at y = 30.
        const int y30 = analysis::pixelY(l, m.scale, 30);
        EXPECT_EQ(img.pixelColor(l.axisX - 4, y30).rgb(), red.rgb());
        EXPECT_EQ(img.pixelColor(l.legendLeft - 5, y30).rgb(), grey.rgb());
        // Mean lines through the mean of the overall series.
        const int meanY = analysis::pixelY(l, m.scale, m.employees[0].meanY);
        const int meanX = analysis::pixelX(l, m.scale, m.employees[0].meanX);
        EXPECT_EQ(img.pixelColor(l.legendLeft - 5, meanY).rgb(), magenta.rgb());
        EXPECT_EQ(img.pixelColor(meanX, l.plotTop + 5).rgb(), magenta.rgb());
        // One "0" at the origin when a minimum is 0: ink left of and below the corner.
        EXPECT_EQ(countInk(img, QRect(l.axisX - 10, l.axisY + 6, 8, 12)) > 0, c.xMin == 0 || c.yMin == 0);
    }
}

TEST_F(ChartPainting, LabelsAboveTheirPointsAndALegendForGroupsWithPoints)
{
    ChartModel m = wagePlot();
    m.points[1].markLabel.clear();
    const QImage img = analysis::renderChart(m, window, panel);
    const ChartPainter painter(m, window, panel);
    const analysis::ChartLayout& l = painter.layout();
    const QPoint labelled = painter.positions()[0];
    const QPoint unlabelled = painter.positions()[1];
    EXPECT_GT(countTinted(img, QRect(labelled + QPoint(-4, -23), QSize(24, 14)), red), 10);
    EXPECT_EQ(countTinted(img, QRect(unlabelled + QPoint(-4, -23), QSize(24, 14)), blue), 0);

    const QRect legend(l.legendLeft + 1, 0, window.width() - l.legendLeft - 1, l.axisY - 10);
    EXPECT_GT(countColor(img, legend, red), 10);
    EXPECT_GT(countColor(img, legend, blue), 10);
    EXPECT_EQ(countColor(img, legend, green), 0);   // group 3 holds no point
    EXPECT_GT(countTinted(img, QRect(l.legendLeft + 20, l.plotTop - 20, 40, 16), Qt::black), 5);   // 凡例
}

TEST_F(ChartPainting, DenseLabelsAreThinnedToTheTopmostPerCell)
{
    ChartModel m = wagePlot();
    const analysis::PlotPoint one = m.points[0];
    for (int n : {10, analysis::labelsDrawnInFull}) {
        m.points.assign(size_t(n), one);
        QImage img(window, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        ChartPainter painter(m, window, panel);
        painter.paint(p);
        EXPECT_EQ(painter.labelsWritten(), n) << "every label while there are few";
    }
    m.points.assign(size_t(analysis::labelsDrawnInFull) + 1, one);
    QImage img(window, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    ChartPainter painter(m, window, panel);
    painter.paint(p);
    EXPECT_EQ(painter.labelsWritten(), 1);
}

TEST_F(ChartPainting, FittedCurvesWithTheirPercentageBands)
{
    ChartModel m = wagePlot();
    m.chartNo = 1020;
    // One group on the line y = 10 + x / 2 (x 24 ... 56).
    m.points.clear();
    analysis::resetSeries(m.employees);
    for (int x = 24; x <= 56; x += 8) {
        analysis::PlotPoint p;
        p.x = x;
        p.y = 10 + x / 2.0;
        p.mkco = 2;
        p.markIndex = 1;
        m.points.push_back(p);
        analysis::addPoint(m.employees, QStringLiteral("●"), 0, p.y, p.x, 2);
    }
    analysis::finishSeries(m.employees);
    analysis::fitSeries(m.employees, false);
    m.settings.SJYUN1 = 10;
    m.scale.yMax = 50;
    m.scale.updateRanges();

    auto near = [](const QImage& img, QPoint at, QColor c) {
        return countTinted(img, QRect(at - QPoint(1, 1), QSize(3, 3)), c);
    };
    for (int cgraph : {0, 1}) {
        SCOPED_TRACE(cgraph);
        m.settings.CGRAPH = cgraph;
        // Series 0 is drawn green (width 2), group 2 with its mark's pen (blue).
        const QColor pen = cgraph == 0 ? green : blue;
        const QImage img = analysis::renderChart(m, window, panel);
        const ChartPainter painter(m, window, panel);
        const analysis::ChartLayout& l = painter.layout();
        int band = 0;
        for (int x = 27; x <= 53; x += 2) {
            const int px = analysis::pixelX(l, m.scale, x);
            const double y = 10 + x / 2.0;
            EXPECT_GT(near(img, QPoint(px, analysis::pixelY(l, m.scale, y)), pen), 0) << "curve at x " << x;
            band += near(img, QPoint(px, analysis::pixelY(l, m.scale, 1.1 * y)), pen) > 0;
            // Nothing at 0.9 ×: only SJYUN1 is set.
            EXPECT_EQ(near(img, QPoint(px, analysis::pixelY(l, m.scale, 0.9 * y)), pen), 0) << x;
        }
        // The band is dotted: most sampled columns show it.
        EXPECT_GT(band, 7);
    }
}

TEST_F(ChartPainting, PolylinesExtendToTheRightOnlyForTheCostOfLiving)
{
    for (int chartNo : {1030, 1040}) {
        SCOPED_TRACE(chartNo);
        ChartModel m = wagePlot();
        m.chartNo = chartNo;
        m.comparisonMarks[0].lineColor = QColor(128, 0, 0);
        m.comparisonMarks[0].markColor = QColor(128, 0, 0);
        m.comparisonMarks[0].lineWidth = 2;
        m.comparisonMarks[0].legend = QStringLiteral("標準生計費");
        analysis::addPoint(m.comparison, QString(), 0, 15, 20, 1);
        analysis::addPoint(m.comparison, QString(), 0, 25, 40, 1);
        analysis::finishSeries(m.comparison);
        const QImage img = analysis::renderChart(m, window, panel);
        const ChartPainter painter(m, window, panel);
        const analysis::ChartLayout& l = painter.layout();
        const int y25 = analysis::pixelY(l, m.scale, 25);
        const QPoint onLine(analysis::pixelX(l, m.scale, 30), analysis::pixelY(l, m.scale, 20));
        EXPECT_GT(countColor(img, QRect(onLine - QPoint(2, 2), QSize(5, 5)), QColor(128, 0, 0)), 0);
        const QRect extension(analysis::pixelX(l, m.scale, 52), y25 - 1, 10, 2);
        EXPECT_EQ(countColor(img, extension, QColor(128, 0, 0)) > 0, chartNo == 1030);
        // Its legend entry: the sample line at plotTop - 5 + 200.
        EXPECT_GT(countColor(img, QRect(l.legendLeft + 22, l.plotTop + 194, 24, 3), QColor(128, 0, 0)), 0);
    }
}

TEST_F(ChartPainting, DegenerateScalesAndSeriesDrawWithoutFailing)
{
    struct Case {
        const char* name;
        int xMin, xMax, yMin, yMax, xPitch, yPitch;
        std::vector<std::pair<double, double>> points;
    };
    const Case cases[] = {
        {"empty", 0, 0, 0, 50, 5, 5, {}},
        {"one point", 30, 30, 20, 50, 5, 5, {{30, 25}}},
        {"identical x", 30, 30, 20, 50, 5, 5, {{30, 25}, {30, 30}, {30, 35}}},
        {"zero pitch", 0, 0, 0, 50, 0, 0, {{30, 25}, {40, 30}}},
        {"negative pitch", 20, 60, 10, 40, -5, -5, {{30, 25}}},
        {"tiny pitch, huge axis", 0, INT_MAX, 0, INT_MAX, 1, 1, {{30, 25}, {1e9, 1e9}}},
        {"zero y range", 20, 60, 30, 30, 5, 5, {{30, 30}, {40, 30}}},
        {"x where a step no longer adds", 20, 60, 0, 50, 5, 5, {{1e17, 5}, {1e17 + 64, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int chartNo : {1010, 1020, 1030, 1070}) {
            ChartModel m = wagePlot();
            m.chartNo = chartNo;
            m.points.clear();
            analysis::resetSeries(m.employees);
            for (auto [x, y] : c.points) {
                analysis::PlotPoint p;
                p.x = x;
                p.y = y;
                p.mkco = 1;
                m.points.push_back(p);
                analysis::addPoint(m.employees, QStringLiteral("■"), 0, y, x, 1);
            }
            analysis::finishSeries(m.employees);
            analysis::fitSeries(m.employees, chartNo == 1070);
            m.comparison = m.employees;
            m.settings.SJYUN1 = 10;
            m.scale.xMin = c.xMin;
            m.scale.xMax = c.xMax;
            m.scale.yMin = c.yMin;
            m.scale.yMax = c.yMax;
            m.scale.xPitch = c.xPitch;
            m.scale.yPitch = c.yPitch;
            m.scale.updateRanges();
            const QImage img = analysis::renderChart(m, window, panel);
            const ChartPainter painter(m, window, panel);
            // The axes are always there (the mean lines may lie on them).
            const analysis::ChartLayout& l = painter.layout();
            EXPECT_EQ(countInk(img, QRect(l.axisX, l.plotTop, 1, l.axisY - l.plotTop)), l.axisY - l.plotTop) << chartNo;
            EXPECT_EQ(countInk(img, QRect(l.axisX, l.axisY, l.legendLeft - l.axisX, 1)), l.legendLeft - l.axisX) << chartNo;
        }
    }
}

TEST_F(ChartPainting, NoChartDrawsNothing)
{
    ChartModel m = wagePlot();
    m.chartNo = 0;
    const QImage img = analysis::renderChart(m, window, panel);
    EXPECT_EQ(countInk(img, img.rect()), 0);
}

TEST_F(ChartPainting, CopyIsTheCanvasStretchedToTheWindowLessFour)
{
    const ChartModel m = wagePlot();
    const QImage copy = analysis::chartCopyImage(m, window, panel);
    EXPECT_EQ(copy.size(), QSize(996, 696));
    EXPECT_GT(countColor(copy, copy.rect(), red), 20);
    EXPECT_EQ(copy.pixelColor(copy.width() / 2, 1).rgb(), QColor(Qt::white).rgb());
}

// ---------------------------------------------------------------- hit-testing

class HitTest : public ChartPainting {};

TEST_F(HitTest, TheTopmostMarkUnderThePixelWins)
{
    ChartModel m = wagePlot();
    m.points.resize(2);
    m.points[1] = m.points[0];            // exactly on top of point 0
    m.points.push_back(m.points[0]);      // 2: its mark has no symbol, so it is neither drawn nor found
    m.points[2].markIndex = 5;
    m.points.push_back(m.points[0]);      // 3: a little to the right, drawn last
    m.points[3].x += 0.25;
    const ChartPainter painter(m, window, panel);
    const QPoint at = painter.positions()[0];
    const int shift = painter.positions()[3].x() - at.x();
    ASSERT_GT(shift, 2);
    ASSERT_LT(shift, 7);

    EXPECT_EQ(painter.pointAt(at), 3);
    EXPECT_EQ(painter.pointAt(at - QPoint(7, 7)), 1);    // the corner of 0 and 1, left of 3
    EXPECT_EQ(painter.pointAt(at - QPoint(8, 7)), -1);   // just outside
    EXPECT_TRUE(painter.markRect(2).isEmpty());
    EXPECT_EQ(painter.pointAt(QPoint(5, 5)), -1);
}

TEST_F(HitTest, AHundredThousandPoints)
{
    ChartModel m = wagePlot();
    const analysis::PlotPoint base = m.points[0];
    m.points.assign(100000, base);
    // Point 777 alone in the top right, point 99,990 alone at the bottom left; the rest in one heap.
    m.points[777].x = 58;
    m.points[777].y = 39;
    m.points[99990].x = 21;
    m.points[99990].y = 11;
    const ChartPainter painter(m, window, panel);
    EXPECT_EQ(painter.pointAt(painter.positions()[777]), 777);
    EXPECT_EQ(painter.pointAt(painter.positions()[99990]), 99990);
    EXPECT_EQ(painter.pointAt(painter.positions()[0]), 99999);
    EXPECT_EQ(painter.pointAt(painter.positions()[777] + QPoint(40, 40)), -1);
}

} // namespace
