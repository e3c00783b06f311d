// The wage plot screen and the plot window on a small company, offscreen: the options, the plot
// rows, the hand-over, the chart on the window, the axis fields with their messages, the navigation.

#include "PlotFixture.h"
#include "UiFixture.h"
#include "analysis/SpinButton.h"
#include "analysis/TQK1010.h"
#include "analysis/TQK1100.h"
#include "app/RightEdit.h"
#include "data/Common.h"
#include "data/InstallData.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>

namespace {

using analysis::TQK1010;
using analysis::TQK1100;

qint64 scalar(data::Connection& c, const QString& sql)
{
    data::Query q(c);
    q.setSql(sql);
    if (!q.open() || q.eof())
        return -1;
    const qint64 v = q.intValue(0);
    q.close();
    return v;
}

class WagePlotScreen : public testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        plotfixture::makeCompany(home);
        data::TSALARY_ form;
        form.KCO = QStringLiteral("1");
        form.NENDO = QStringLiteral("2020");
        form.SALARYID = QStringLiteral("1");
        form.SALARYNAME = QStringLiteral("正社員");
        ASSERT_TRUE(data::Insert(home.dm().ACN2, home.dm().Query21, true, form));
        plot = std::make_unique<TQK1100>(home.dm());
        screen = std::make_unique<TQK1010>(home.dm(), plot.get());
        screen->Prepare();
    }

    // Every mark, grade, work form and both sexes; age against item I, titled.
    void chooseEveryone()
    {
        screen->btnPlotAll->click();
        screen->btnTokyuAll->click();
        screen->optSalary[4]->setChecked(true);
        screen->optSex[2]->setChecked(true);
        screen->optX[0]->setChecked(true);
        screen->optY[0]->setChecked(true);
        screen->txtTitle->setText(QStringLiteral("年齢別賃金"));
    }

    void analyse()
    {
        chooseEveryone();
        screen->btnAnalize->click();
        ASSERT_EQ(plot->PlotChartNo, 1010);
        plot->showNormal();
        plot->resize(1000, 700);
        QApplication::processEvents();
    }

    // Focus moves into a field, the text is typed, and the focus leaves to the next field.
    void typeAndLeave(QLineEdit* field, const QString& text, QWidget* next)
    {
        plot->activateWindow();
        QApplication::setActiveWindow(plot.get());
        field->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        field->selectAll();
        QTest::keyClicks(field, text);
        next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    TestHome home;
    std::unique_ptr<TQK1100> plot;
    std::unique_ptr<TQK1010> screen;
};

TEST_F(WagePlotScreen, PreparationShowsTheCompanyAndTheSavedSettings)
{
    EXPECT_EQ(plot->CurrentChartNo, 1010);
    EXPECT_EQ(plot->PlotChartNo, 0);
    EXPECT_EQ(screen->size(), QSize(540, 620));
    EXPECT_EQ(screen->optSalary[0]->text(), QStringLiteral("正社員"));
    EXPECT_TRUE(screen->optMark[2]->isHidden());
    EXPECT_TRUE(screen->cmbChingin->isHidden());
    EXPECT_EQ(screen->cmbChingin->currentText(), QStringLiteral("0 : なし"));
    EXPECT_EQ(screen->txtTokyu[0]->text(), QStringLiteral("第１等級"));
    EXPECT_EQ(screen->optPlot[0]->text(), QStringLiteral("■ 営業"));
    EXPECT_EQ(screen->optPlot[3]->text(), QString());
    // A new chart row: no mark and no grade chosen, work form 1 and men (its stored zeros).
    EXPECT_EQ(scalar(home.dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM MCHART WHERE CHCO = 1010")), 1);
    EXPECT_FALSE(screen->optPlot[0]->isChecked());
    EXPECT_FALSE(screen->optTokyu[0]->isChecked());
    EXPECT_TRUE(screen->optX[0]->isChecked());
    EXPECT_TRUE(screen->optY[0]->isChecked());
    EXPECT_TRUE(screen->optSalary[0]->isChecked());
    EXPECT_TRUE(screen->optSex[0]->isChecked());
    EXPECT_TRUE(screen->optMark[0]->isChecked());
    EXPECT_EQ(home.dm().state.DataChanged, 0);
    screen->btnPlotAll->click();
    EXPECT_EQ(home.dm().state.DataChanged, 1);
}

TEST_F(WagePlotScreen, AnalysisWritesTheRowsAndShowsThemOnThePlotWindow)
{
    analyse();
    EXPECT_EQ(scalar(home.dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM DCHART")), 5);
    EXPECT_EQ(scalar(home.dm().ACN2, QStringLiteral("SELECT MKCO FROM DCHART WHERE SCO = 104")), 3);
    EXPECT_EQ(plot->windowTitle(), QStringLiteral("プロット　 【　年齢別賃金　】"));
    EXPECT_TRUE(plot->isVisible());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->rememberedX(), 0);

    const analysis::ChartModel& c = plot->plotData().chart;
    ASSERT_EQ(c.points.size(), 5u);
    EXPECT_EQ(c.employees[0].n, 5);
    EXPECT_EQ(c.employees[2].n, 2);
    EXPECT_EQ(plot->txtXMin->text(), QStringLiteral("25"));
    EXPECT_EQ(plot->txtXMax->text(), QStringLiteral("50"));
    EXPECT_EQ(plot->txtYMin->text(), QStringLiteral("20"));
    EXPECT_EQ(plot->txtYMax->text(), QStringLiteral("40"));
    EXPECT_EQ(plot->spnXMax->maximum(), 75);
    EXPECT_EQ(plot->spnYMin->maximum(), 40);
    EXPECT_TRUE(plot->Label7->isHidden());
    EXPECT_FALSE(plot->mnAnalFit->isVisible());

    // The window's canvas shows each employee's mark where age and pay put it.
    const QImage canvas = plot->canvas()->grab().toImage();
    const analysis::ChartPainter painter(c, plot->size(), TQK1100::panelWidth);
    for (size_t i = 0; i < c.points.size(); ++i) {
        const QPoint at = painter.positions()[i] - QPoint(TQK1100::panelWidth, 0);
        const QColor expected = plotfixture::markColors[size_t(c.points[i].markIndex)];
        EXPECT_EQ(canvas.pixelColor(at).rgb(), expected.rgb()) << "employee " << c.points[i].sco;
    }
    // 25.3 万円 at age 30 for employee 101.
    EXPECT_EQ(painter.positions()[0],
              QPoint(analysis::pixelX(painter.layout(), c.scale, 30), analysis::pixelY(painter.layout(), c.scale, 25.3)));
    home.expectNoUnexpected();
}

TEST_F(WagePlotScreen, AClickOnAPointReportsItsRow)
{
    analyse();
    int reported = -1;
    plot->pointClicked = [&](int row, QPoint) { reported = row; };
    const analysis::ChartPainter painter(plot->plotData().chart, plot->size(), TQK1100::panelWidth);
    const QPoint at = painter.positions()[3] - QPoint(TQK1100::panelWidth, 0);
    QTest::mouseClick(plot->canvas(), Qt::RightButton, {}, at);
    EXPECT_EQ(reported, -1);   // points answer the left button only
    QTest::mouseClick(plot->canvas(), Qt::LeftButton, {}, at);
    EXPECT_EQ(reported, 3);
    EXPECT_EQ(plot->clickedRow(), 3);
    QTest::mouseClick(plot->canvas(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(reported, 3);
}

TEST_F(WagePlotScreen, AxisFieldsRefuseWhatIsNoNumberOrOutOfRange)
{
    analyse();
    // x maximum 50: its spin button runs 0 ... 75.
    typeAndLeave(plot->txtXMax, QStringLiteral("150"), plot->txtYMin);
    ASSERT_FALSE(home.dialogs.log.empty());
    EXPECT_EQ(home.dialogs.log.back().text, QStringLiteral("入力範囲外です。0 ～ 75の値を入力して下さい。"));
    EXPECT_EQ(plot->txtXMax->text(), QStringLiteral("0"));
    EXPECT_EQ(plot->plotData().chart.scale.xMax, 50);
    EXPECT_EQ(QApplication::focusWidget(), plot->txtXMax);

    typeAndLeave(plot->txtYMax, QStringLiteral("abc"), plot->txtXMin);
    EXPECT_EQ(home.dialogs.log.back().text, QStringLiteral("数値を入力してください。"));
    EXPECT_EQ(plot->txtYMax->text(), QStringLiteral("40"));

    const size_t messages = home.dialogs.log.size();
    typeAndLeave(plot->txtYMax, QStringLiteral("60"), plot->txtXMin);
    EXPECT_EQ(home.dialogs.log.size(), messages);
    EXPECT_EQ(plot->plotData().chart.scale.yMax, 60);
    EXPECT_EQ(plot->plotData().chart.scale.yRange, 40);

    // A spin click runs the same check with the next value.
    plot->spnXMin->upButton()->click();
    EXPECT_EQ(plot->txtXMin->text(), QStringLiteral("26"));
    EXPECT_EQ(plot->plotData().chart.scale.xMin, 26);
    plot->txtXMax->setText(QStringLiteral("75"));
    plot->spnXMax->upButton()->click();
    EXPECT_EQ(plot->txtXMax->text(), QStringLiteral("75"));   // held at the bound
    EXPECT_EQ(home.dialogs.log.size(), messages);

    // The new axis takes effect at 実行: the point at 32 万円 moves down.
    const analysis::ChartModel& c = plot->plotData().chart;
    plot->btnExec->click();
    const QImage canvas = plot->canvas()->grab().toImage();
    const analysis::ChartPainter painter(c, plot->size(), TQK1100::panelWidth);
    const analysis::ChartLayout& l = painter.layout();
    const QPoint at(analysis::pixelX(l, c.scale, 40) - TQK1100::panelWidth, analysis::pixelY(l, c.scale, 32));
    EXPECT_EQ(canvas.pixelColor(at).rgb(), plotfixture::markColors[1].rgb());
}

TEST_F(WagePlotScreen, NoMatchingEmployeeKeepsTheScreenOpen)
{
    chooseEveryone();
    screen->btnTokyuNothing->click();
    screen->show();
    QApplication::setActiveWindow(screen.get());
    screen->btnAnalize->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("グラフに表示するデータがありません。")});
    EXPECT_EQ(plot->PlotChartNo, 0);
    EXPECT_FALSE(plot->isVisible());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(screen->txtTitle->hasFocus());
    // The settings are saved all the same.
    EXPECT_EQ(scalar(home.dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM MCHART WHERE CHCO = 1010 AND TOUKYU = '000000000'"
                                                     " AND FCHK = '111111111'")),
              1);
}

TEST_F(WagePlotScreen, RememberedItemsAreSavedOnClose)
{
    chooseEveryone();
    screen->optX[3]->setChecked(true);   // not analysed: the remembered x item stays
    screen->optMark[3]->setChecked(true);
    screen->optSalary[0]->click();
    screen->optSex[1]->click();
    screen->txtTitle->setText(QStringLiteral("閉じる前"));
    screen->btnClose->click();
    data::TChart_ row;
    ASSERT_TRUE(analysis::loadChartSettings(home.dm(), 1010, row));
    EXPECT_EQ(row.FX, QStringLiteral("0"));
    EXPECT_EQ(row.MARKR, 3);
    EXPECT_EQ(row.MIBUN, 0);
    EXPECT_EQ(row.SEX, 1);
    EXPECT_EQ(row.TITLE, QStringLiteral("閉じる前"));
    EXPECT_EQ(row.XNAME, QStringLiteral("年　　齢"));

    // The next preparation shows what was saved.
    screen->Prepare();
    EXPECT_TRUE(screen->optMark[3]->isChecked());
    EXPECT_TRUE(screen->optSalary[0]->isChecked());
    EXPECT_TRUE(screen->optSex[1]->isChecked());
    EXPECT_TRUE(screen->optPlot[8]->isChecked());
    EXPECT_EQ(screen->txtTitle->text(), QStringLiteral("閉じる前"));
}

TEST_F(WagePlotScreen, BackEndAndClose)
{
    analyse();
    int reopened = 0, closed = 0;
    plot->setCallingScreen(1010, {[&] { ++reopened; }, [&] { ++closed; }});
    plot->btnBack->click();
    EXPECT_EQ(reopened, 1);
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(plot->isVisible());

    plot->mnEnd->trigger();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(plot->PlotChartNo, 0);
    EXPECT_FALSE(plot->isVisible());
    EXPECT_FALSE(plot->hasPointLabels());

    // A new hand-over, then closing the window by itself.
    screen->Prepare();
    analyse();
    EXPECT_TRUE(plot->hasPointLabels());
    plot->close();
    EXPECT_EQ(plot->PlotChartNo, 0);
    EXPECT_FALSE(plot->hasPointLabels());
}

TEST_F(WagePlotScreen, CopyPutsTheChartOnTheClipboard)
{
    analyse();
    plot->btnCopy->click();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), plot->size() - QSize(4, 4));
    EXPECT_GT(countColor(copied, copied.rect(), plotfixture::markColors[0]), 20);
}

} // namespace

namespace {

TEST_F(WagePlotScreen, LargeAxisValuesKeepTheirDigits)
{
    // A y value far beyond the four digits the field was laid out for, and beyond the 16-bit bounds.
    analyse();
    data::TFDM& dm = home.dm();
    ASSERT_TRUE(dm.ACN2.executeRaw(QStringLiteral("UPDATE DCHART SET Y = 29999.5 WHERE SCO = 104")));
    plot->openChart(1010, QStringLiteral("年収"));
    EXPECT_EQ(plot->plotData().chart.scale.yMax, 30000);
    EXPECT_EQ(plot->txtYMax->text(), QStringLiteral("30000"));
    EXPECT_EQ(plot->spnYMax->maximum(), 45000);
    EXPECT_EQ(plot->spnYMin->maximum(), 30000);
    plot->txtYMax->setText(QStringLiteral("44999"));
    plot->spnYMax->upButton()->click();
    EXPECT_EQ(plot->plotData().chart.scale.yMax, 45000);
    plot->spnYMax->upButton()->click();
    EXPECT_EQ(plot->txtYMax->text(), QStringLiteral("45000"));
    home.expectNoUnexpected();
}

// The wage plot of sample company 1 in 2020 as the installation makes it, checked against the
// employee view read directly.
TEST(SampleCompanyWagePlot, RowsSeriesAxesAndMarks)
{
    ensureApplication();
    TestHome home(false);
    ASSERT_TRUE(home.openInstalledSample());
    data::TFDM& dm = home.dm();

    TQK1100 plot(dm);
    TQK1010 screen(dm, &plot);
    screen.Prepare();
    screen.btnPlotAll->click();
    screen.btnTokyuAll->click();
    screen.optSalary[4]->setChecked(true);
    screen.optSex[2]->setChecked(true);
    screen.optX[0]->setChecked(true);
    screen.optY[2]->setChecked(true);   // base pay
    screen.btnAnalize->click();
    ASSERT_EQ(plot.PlotChartNo, 1010);
    plot.showNormal();
    plot.resize(1200, 760);
    QApplication::processEvents();

    // Ages counted to today (2020-06-15) when the rows were written.
    const int reference = 20200615;
    struct Employee {
        qint64 sco, birth, mark, basePay;
    };
    std::vector<Employee> expected;
    {
        data::Query q(dm.ACN2);
        q.setSql(QStringLiteral("SELECT SCO, SEIHI, MCO, KKYU1 + KKYU2 + KKYU3 FROM VSYAIN WHERE KCO = 1 AND NENDO = 2020"
                                " AND TCO BETWEEN 1 AND 9 AND MCO BETWEEN 1 AND 9 ORDER BY SCO"));
        ASSERT_TRUE(q.open());
        for (; !q.eof(); q.next())
            expected.push_back({q.intValue(0), q.intValue(1), q.intValue(2), q.intValue(3)});
        q.close();
    }
    ASSERT_GT(expected.size(), 20u);

    data::TDChart_rec rows;
    ASSERT_TRUE(data::Selects(dm.ACN2, dm.Query21, false, QStringLiteral("SELECT * FROM DCHART"),
                              QStringLiteral(" order by NO"), rows));
    ASSERT_EQ(rows.items.size(), expected.size());
    std::map<qint64, int> perMark;
    double minX = 1e9, maxX = -1e9;
    for (size_t i = 0; i < expected.size(); ++i) {
        const data::TDChart_& r = rows.items[i];
        const Employee& e = expected[i];
        SCOPED_TRACE(e.sco);
        EXPECT_EQ(r.SCO, QString::number(e.sco));
        EXPECT_EQ(r.NO, qint64(i) + 1);
        EXPECT_EQ(r.MKCO, e.mark);
        EXPECT_EQ(r.MARKL, r.SCO);
        EXPECT_DOUBLE_EQ(r.X, data::yearsBetween(int(e.birth), reference));
        EXPECT_DOUBLE_EQ(r.Y, double(e.basePay) / 10000);
        ++perMark[e.mark];
        minX = std::min(minX, r.X);
        maxX = std::max(maxX, r.X);
    }

    const analysis::ChartModel& c = plot.plotData().chart;
    EXPECT_EQ(c.employees[0].n, int(expected.size()));
    for (int g = 1; g <= 9; ++g)
        EXPECT_EQ(c.employees[size_t(g)].n, perMark[g]) << "group " << g;
    // Axes on multiples of 5 around the points.
    EXPECT_EQ(c.scale.xMin % 5, 0);
    EXPECT_LE(c.scale.xMin, minX);
    EXPECT_GT(c.scale.xMin + 5, minX);
    EXPECT_GE(c.scale.xMax, maxX);
    EXPECT_LT(c.scale.xMax - 5, maxX);
    EXPECT_LE(c.scale.yMin, c.employees[0].minY);
    EXPECT_GE(c.scale.yMax, c.employees[0].maxY);

    // Every point on top at its own pixel shows its mark's colour there, when the symbol is solid.
    const QImage canvas = plot.canvas()->grab().toImage();
    const analysis::ChartPainter painter(c, plot.size(), TQK1100::panelWidth);
    int checked = 0;
    for (size_t i = 0; i < c.points.size(); ++i) {
        const data::TMMARK& mark = c.employeeMarks[size_t(c.points[i].markIndex)];
        if (!QStringLiteral("●■▲◆★").contains(mark.mark) || painter.pointAt(painter.positions()[i]) != int(i))
            continue;
        const QPoint at = painter.positions()[i] - QPoint(TQK1100::panelWidth, 0);
        EXPECT_EQ(canvas.pixelColor(at).rgb(), mark.markColor.rgb()) << "employee " << c.points[i].sco;
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

} // namespace
