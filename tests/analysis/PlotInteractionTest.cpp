// What the user does with a chart in the plot window, offscreen: the background menu, and on the
// raise curve design chart the tentative points, their deletion and their import as a curve.

#include "PlotFixture.h"
#include "UiFixture.h"
#include "analysis/TQK1100.h"
#include "analysis/TentativeCurves.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using analysis::TQK1100;

class PlotInteraction : public testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        plotfixture::makeCompany(home);
        analysis::tentativeCurves() = analysis::TSPD{};
        analysis::tentativeCurves().xItem = 0;
        analysis::tentativeCurves().yItem = 0;
        ASSERT_EQ(analysis::buildWagePlotRows(dm(), plotfixture::everyone()).employees, 5);
    }
    void TearDown() override
    {
        plot.reset();
        analysis::tentativeCurves() = analysis::TSPD{};
    }

    data::TFDM& dm() { return home.dm(); }

    // Opens chart chartNo with the wage plot's settings and rows; CGRAPH as given.
    void open(int chartNo, int cgraph)
    {
        const analysis::CompanyKeys k = analysis::companyKeys(dm());
        data::TChart_ row = analysis::wagePlotChartRow(plotfixture::everyone(), k.kco, k.nendo);
        row.CHCO = QString::number(chartNo);
        row.CGRAPH = cgraph;
        ASSERT_TRUE(data::Insert(dm().ACN2, dm().Query21, true, row));
        plot = std::make_unique<TQK1100>(dm());
        plot->PlotChartNo = chartNo;
        plot->show();
        plot->resize(1000, 700);
        plot->Prepare();
        QApplication::processEvents();
    }

    analysis::ChartLayout layout() const
    {
        return analysis::ChartPainter(plot->plotData().chart, plot->size(), TQK1100::panelWidth).layout();
    }

    // A click at a window pixel on the chart.
    void click(QPoint windowPixel, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(plot->canvas(), button, {}, windowPixel - QPoint(TQK1100::panelWidth, 0));
    }

    // The window pixel of axis values (x, y in 万円).
    QPoint pixelOf(double x, double y) const
    {
        const analysis::ChartLayout l = layout();
        const analysis::TSDX& s = plot->plotData().chart.scale;
        return {analysis::pixelX(l, s, x), analysis::pixelY(l, s, y)};
    }

    TestHome home;
    std::unique_ptr<TQK1100> plot;
};

TEST_F(PlotInteraction, BackgroundMenu)
{
    open(1010, 1);
    QStringList texts;
    for (QAction* a : plot->PopupMenu2->actions())
        if (a->isVisible())
            texts << a->text();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("画面のコピー(&C)"), QStringLiteral("印刷する(&P)"),
                                  QStringLiteral("分析評価結果(&A)"), QStringLiteral("操作パネルに戻る(&B)")}));
    click(QPoint(TQK1100::panelWidth + 5, 5), Qt::RightButton);
    EXPECT_TRUE(plot->PopupMenu2->isVisible());
    plot->PopupMenu2->hide();
    // Not the design chart: a left click on the background enters nothing.
    click(QPoint(TQK1100::panelWidth + 5, 5));
    EXPECT_TRUE(analysis::tentativeCurves().points.empty());
    EXPECT_FALSE(plot->txtDispNo->isVisible());
}

TEST_F(PlotInteraction, TentativePointsAreEnteredDeletedAndImported)
{
    open(1050, 0);
    ASSERT_TRUE(plot->txtDispNo->isVisible());
    analysis::TSPD& state = analysis::tentativeCurves();
    int imported = 0;
    plot->designCurveImported = [&] { ++imported; };

    // No drawing number yet.
    click(pixelOf(30, 20));
    EXPECT_TRUE(state.points.empty());
    ASSERT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("描画番号 を、入力して下さい。")});
    home.dialogs.clear();

    // The points under the design chart's marks are not clickable: they are not drawn (CGRAPH 0).
    const QPoint onPoint = analysis::ChartPainter(plot->plotData().chart, plot->size(), TQK1100::panelWidth)
                               .positions()[0];
    plot->txtDispNo->setText(QStringLiteral("2"));
    click(onPoint);
    EXPECT_FALSE(plot->PopupMenu1->isVisible());
    ASSERT_EQ(state.points.size(), 1u);
    state.points.clear();

    const double ages[] = {25, 30, 35, 40, 45, 50, 55};
    for (double age : ages)
        click(pixelOf(age, 20 + (age - 25) / 2));
    ASSERT_EQ(state.points.size(), 6u);
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("６点以上は、プロットできません。")});
    home.dialogs.clear();
    EXPECT_EQ(state.points[1].xValue, 30);
    EXPECT_NEAR(double(state.points[1].yYen), 225000, 1000);

    plot->btn1DltClick();
    ASSERT_EQ(state.points.size(), 5u);

    plot->btnImportClick();
    EXPECT_EQ(imported, 1);
    EXPECT_EQ(dm().state.DataChanged, 1);
    EXPECT_EQ(plot->txtDispNo->text(), QStringLiteral("0"));
    EXPECT_TRUE(state.points.empty());
    // The curve is back from the table as comparison group 2, drawn in the slot's colour.
    EXPECT_EQ(plot->plotData().chart.comparison[2].n, 5);
    data::TSPDRAW_rec rows;
    ASSERT_TRUE(data::Selects(dm().ACN2, dm().Query21, false, QStringLiteral("SELECT * FROM DSPDRAW"), QString(), rows));
    ASSERT_EQ(rows.items.size(), 1u);
    EXPECT_EQ(rows.items[0].SDCO, QStringLiteral("2"));
    EXPECT_EQ(rows.items[0].SNENREI6, 0);
    EXPECT_TRUE(home.dialogs.texts().isEmpty());

    // Nothing left to delete or import.
    plot->btn1DltClick();
    plot->btnImportClick();
    EXPECT_EQ(home.dialogs.texts(), (QStringList{QStringLiteral("消去する点はありません。"),
                                                 QStringLiteral("取込む点を２～６箇所をポイントして下さい。")}));
    EXPECT_EQ(imported, 1);
}

TEST_F(PlotInteraction, DesignChartLoadsAndDrawsTheStoredCurves)
{
    data::TSPDRAW_ r;
    r.KCO = QStringLiteral("1");
    r.NENDO = QStringLiteral("2020");
    r.SDCO = QStringLiteral("4");
    r.X = 0;
    r.Y = 0;
    r.FCHKS = 1;
    r.SNENREI1 = 25;
    r.SKIN1 = 200000;
    r.SNENREI2 = 50;
    r.SKIN2 = 400000;
    r.SCOLOR = QStringLiteral("clRed");
    r.SHABA = 3;
    r.HANREI = QStringLiteral("案");
    ASSERT_TRUE(data::Insert(dm().ACN2, dm().Query21, true, r));
    open(1050, 0);
    EXPECT_EQ(plot->plotData().chart.comparison[4].n, 2);
    EXPECT_EQ(analysis::tentativeCurves().slots[4].HANREI, QStringLiteral("案"));

    const QImage img = plot->canvas()->grab().toImage();
    const QPoint a = pixelOf(25, 20) - QPoint(TQK1100::panelWidth, 0);
    const QPoint b = pixelOf(50, 40) - QPoint(TQK1100::panelWidth, 0);
    const QPoint mid = (a + b) / 2;
    EXPECT_GT(countColor(img, QRect(mid - QPoint(3, 3), QSize(7, 7)), QColor(255, 0, 0)), 0);
    // An entered point gets its circle.
    plot->txtDispNo->setText(QStringLiteral("1"));
    const QPoint at = pixelOf(41, 33);
    click(at);
    const QImage withPoint = plot->canvas()->grab().toImage();
    const QPoint c = at - QPoint(TQK1100::panelWidth, 0);
    EXPECT_GT(countInk(withPoint, QRect(c + QPoint(4, -1), QSize(3, 3))), 0);   // on the circle
    EXPECT_EQ(countColor(withPoint, QRect(c, QSize(1, 1)), Qt::white), 1);       // its centre stays blank
}

} // namespace
