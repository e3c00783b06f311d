// The employee panels: what each shows for an employee of a small company, the optimal wage panel's
// update, the registry of open panels, and the panels opened from a point of the plot window.

#include "analysis/PlotFixture.h"
#include "analysis/TQK1100.h"
#include "analysis/TQK1102.h"
#include "panels/EmployeePanels.h"
#include "panels/PanelForms.h"
#include "panels/PanelScreens.h"
#include "support/Application.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Panels : public testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        plotfixture::makeCompany(home);
        for (int i = 0; i < 9; ++i)
            dm().state.CurrentCompany.TK[size_t(i)] = QStringLiteral("%1等級").arg(i + 1);
    }
    data::TFDM& dm() { return home.dm(); }
    data::TSyain_ employee(int sco)
    {
        data::TSyain_ r;
        EXPECT_TRUE(panels::readEmployee(dm(), sco, r)) << sco;
        return r;
    }

    TestHome home;
};

TEST_F(Panels, InformationPanelTexts)
{
    // Employee 101: born 1990-01-01, joined 2015-04-01, KKYU1 253,000, KKYU2 20,000, TEATE1 10,000,
    // bonuses 500,000 and 600,000; no grade (TOUKYU 0).
    data::TSyain_ r = employee(101);
    struct Case {
        int kind;
        const char* caption;
        std::array<const char*, 5> titles;
        std::array<const char*, 5> values;
    };
    const Case cases[] = {
        {1, "1.プロフィール", {"社員番号:", "年　　齢　:", "勤　　続　:", "学　　歴　:", "専　　攻　:"}, {"", "30", "5", "", ""}},
        {2, "2.人事考課", {"３年前　:", "２年前　:", "１年前　:", "本年度　:", ""}, {"", "", "", "", ""}},
        {3, "3.キャリア", {"役　職　:", "等　級　:", "学　歴　:", "滞　留　:", ""}, {"", "", "12", "0 年", ""}},
        {4, "4.賃金情報", {"基 本 給 ：", "諸 手 当 ：", "所 定 給 ：", "年 賞 与 ：", "年 収 入 ："},
         {"273,000 円", "10,000 円", "283,000 円", "1,100,000 円", "4,496,000 円"}},
    };
    for (const Case& c : cases) {
        const panels::InfoPanelTexts t = panels::infoPanelTexts(c.kind, r, dm().state);
        EXPECT_EQ(t.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(t.employeeLine, QStringLiteral("101  社員101"));
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(t.titles[i], QString::fromUtf8(c.titles[i])) << c.kind << " row " << i;
            EXPECT_EQ(t.values[i], QString::fromUtf8(c.values[i])) << c.kind << " row " << i;
        }
    }

    // The career panel with a grade, an evaluation history and a stay since 2017-04-01.
    r.TOUKYU = 2;
    r.YAKU = QStringLiteral("主任");
    r.THI = 20170401;
    r.HNA3 = QStringLiteral("B");
    r.HYOUKA = QStringLiteral("A");
    const panels::InfoPanelTexts career = panels::infoPanelTexts(3, r, dm().state);
    EXPECT_EQ(career.values[0], QStringLiteral("主任"));
    EXPECT_EQ(career.values[1], QStringLiteral("2等級"));
    EXPECT_EQ(career.values[3], QStringLiteral("3 年"));
    const panels::InfoPanelTexts evaluation = panels::infoPanelTexts(2, r, dm().state);
    EXPECT_EQ(evaluation.values[0], QStringLiteral("B"));
    EXPECT_EQ(evaluation.values[3], QStringLiteral("A"));
}

TEST_F(Panels, OptimalWageFigures)
{
    data::TSyain_ r = employee(101);   // base pay 273,000, prescribed 283,000
    struct Case {
        int fitno;
        qint64 fitkin;
        const char* item;
        const char* actual;
        const char* residual;
        const char* ratio;
    };
    const Case cases[] = {
        {0, 0, "", "0円", "0円", "0.00％"},                       // no optimal wage computed
        {1, 250000, "項目Ⅰ", "253,000円", "3,000円", "1.20％"},
        {3, 250000, "基本給", "273,000円", "23,000円", "9.20％"},
        {4, 0, "所定給", "283,000円", "283,000円", "0.00％"},     // no division by a zero optimal wage
        {5, 1000000, "年間賞与", "1,100,000円", "100,000円", "10.00％"},
        {6, 4000000, "年収", "4,496,000円", "496,000円", "12.40％"},
    };
    for (const Case& c : cases) {
        r.FITNO = c.fitno;
        r.FITKIN = c.fitkin;
        const panels::FitPanelValues v = panels::fitPanelValues(r);
        EXPECT_EQ(v.item, QString::fromUtf8(c.item)) << c.fitno;
        EXPECT_EQ(v.actualText, QString::fromUtf8(c.actual)) << c.fitno;
        EXPECT_EQ(v.residualText, QString::fromUtf8(c.residual)) << c.fitno;
        EXPECT_EQ(v.ratioText, QString::fromUtf8(c.ratio)) << c.fitno;
        EXPECT_EQ(v.employeeLine, QStringLiteral("101 社員101"));
    }

    // The form keeps its design caption for no item.
    r.FITNO = 0;
    r.FITKIN = 0;
    panels::TFS1106 form(dm(), 101);
    form.fill(r);
    EXPECT_EQ(form.labItem->text(), QStringLiteral("実積賃金"));
    EXPECT_EQ(form.txtwariai->text(), QStringLiteral("0.00％"));
    EXPECT_TRUE(form.txtKin->isReadOnly());
}

TEST_F(Panels, OptimalWageUpdate)
{
    const panels::FitUpdateOutcome done = panels::updateFitPanel(dm(), 102, 3, 45000);
    EXPECT_TRUE(done.updated);
    EXPECT_TRUE(done.message.isEmpty());
    const data::TSyain_ r = employee(102);
    EXPECT_EQ(r.HCO, 3);
    EXPECT_EQ(r.KKYU3, 45000);
    EXPECT_EQ(r.KKYU1, 320000);   // the rest of the row is kept
    EXPECT_EQ(employee(101).KKYU3, 0);

    // An employee deleted meanwhile: said so, nothing written anywhere.
    const panels::FitUpdateOutcome gone = panels::updateFitPanel(dm(), 999, 3, 45000);
    EXPECT_FALSE(gone.updated);
    EXPECT_EQ(gone.message, QStringLiteral("社員番号 999 の社員は登録されていません。更新できませんでした。"));
    for (int sco : {101, 103, 104, 105})
        EXPECT_EQ(employee(sco).KKYU3, 0) << sco;
    home.expectNoUnexpected();
}

TEST_F(Panels, UpdateButtonReportsAMissingEmployee)
{
    panels::TFS1106 form(dm(), 998);
    form.fill(employee(101));
    form.txtKin3->setText(QStringLiteral("12,000"));
    form.btnOKClick();
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, QStringLiteral("社員番号 998 の社員は登録されていません。更新できませんでした。"));
}

TEST_F(Panels, RegistryOpensEachKindOnceForAnEmployee)
{
    panels::PanelRegistry registry;
    QWidget* first = panels::openEmployeePanel(dm(), registry, 4, 101, QPoint(100, 100), nullptr);
    ASSERT_NE(first, nullptr);
    QPointer<QWidget> guard(first);
    EXPECT_EQ(panels::openEmployeePanel(dm(), registry, 4, 101, QPoint(300, 300), nullptr), first);
    EXPECT_EQ(first->pos(), QPoint(100, 100));
    EXPECT_EQ(first->windowTitle(), QStringLiteral("4.賃金情報"));
    EXPECT_EQ(registry.openCount(), 1);
    // Another kind or another employee is another panel.
    EXPECT_NE(panels::openEmployeePanel(dm(), registry, 1, 101, QPoint(), nullptr), first);
    EXPECT_NE(panels::openEmployeePanel(dm(), registry, 4, 102, QPoint(), nullptr), first);
    EXPECT_NE(panels::openEmployeePanel(dm(), registry, 7, 101, QPoint(), nullptr), nullptr);
    EXPECT_EQ(panels::openEmployeePanel(dm(), registry, 5, 101, QPoint(), nullptr), nullptr);
    EXPECT_EQ(registry.openCount(), 4);

    // A click on a panel closes it; the same panel can then be opened again.
    auto* info = qobject_cast<panels::TQK1101*>(first);
    ASSERT_NE(info, nullptr);
    QTest::mouseClick(info->Caption[0], Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(registry.openCount(), 3);
    EXPECT_NE(panels::openEmployeePanel(dm(), registry, 4, 101, QPoint(), nullptr), nullptr);

    registry.closeAll();
    EXPECT_EQ(registry.openCount(), 0);
}

// ---------------------------------------------------------------- from the plot window

class PanelsOnPlot : public Panels {
protected:
    void SetUp() override
    {
        Panels::SetUp();
        const analysis::WagePlotOptions o = plotfixture::everyone();
        ASSERT_TRUE(analysis::saveWagePlotSettings(dm(), o));
        ASSERT_EQ(analysis::buildWagePlotRows(dm(), o).employees, 5);
        plot = std::make_unique<analysis::TQK1100>(dm());
        panels::installEmployeePanels(*plot);
        plot->PlotChartNo = 1010;
        plot->show();
        plot->resize(1000, 700);
        plot->Prepare();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        panels::panelRegistry().closeAll();
        plot.reset();
    }

    // The canvas pixel of plot row i.
    QPoint pointPixel(int row) const
    {
        const analysis::ChartPainter painter(plot->plotData().chart, plot->size(), analysis::TQK1100::panelWidth);
        return painter.positions()[size_t(row)] - QPoint(analysis::TQK1100::panelWidth, 0);
    }

    std::unique_ptr<analysis::TQK1100> plot;
};

TEST_F(PanelsOnPlot, PointMenuOpensPanelsOnceAndBackClosesThem)
{
    const int row = 3;
    QTest::mousePress(plot->canvas(), Qt::LeftButton, {}, pointPixel(row));
    EXPECT_EQ(plot->clickedRow(), row);
    EXPECT_TRUE(plot->PopupMenu1->isVisible());
    const QList<QAction*> items = plot->PopupMenu1->actions();
    QStringList texts;
    for (QAction* a : items)
        if (a->isVisible())
            texts << a->text();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("プロフィール(&P)"), QStringLiteral("人事考課(&J)"),
                                  QStringLiteral("キャリア(&C)"), QStringLiteral("賃金情報(&S)"),
                                  QStringLiteral("最適賃金(&F)"), QStringLiteral("イメージ(&I)"), QStringLiteral("終了(&Q)")}));
    EXPECT_EQ(plot->mnMatrix->data().toInt(), plot->plotData().chart.points[size_t(row)].sco);
    plot->PopupMenu1->hide();

    plot->mnSalary->trigger();
    plot->mnSalary->trigger();
    plot->mnFit->trigger();
    EXPECT_EQ(plot->lastPanelNo(), 6);
    EXPECT_EQ(panels::panelRegistry().openCount(), 2);
    const int sco = plot->plotData().chart.points[size_t(row)].sco;
    QWidget* wage = panels::panelRegistry().find(4, sco);
    ASSERT_NE(wage, nullptr);
    EXPECT_EQ(wage->pos(), plot->pointMenuPosition() - QPoint(10, 25) + QPoint(35, 10));
    auto* info = qobject_cast<panels::TQK1101*>(wage);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Label1->text(), QString::number(sco) + QStringLiteral("  社員") + QString::number(sco));

    plot->btnBackClick();
    EXPECT_EQ(panels::panelRegistry().openCount(), 0);
}

TEST_F(PanelsOnPlot, AMissOpensNoMenu)
{
    // Far from every point, on the chart and on the panel side of it.
    for (QPoint at : {QPoint(5, 5), QPoint(plot->canvas()->width() - 5, 5)}) {
        QTest::mousePress(plot->canvas(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(plot->PopupMenu1->isVisible());
        EXPECT_EQ(plot->clickedRow(), -1);
    }
    // Without a clicked point the panel items open nothing.
    plot->mnProfile->trigger();
    EXPECT_EQ(panels::panelRegistry().openCount(), 0);
}

TEST_F(PanelsOnPlot, AnalysisWindowByChartKind)
{
    plot->mnAnalizeClick();
    analysis::TQK1102* w = plot->analysisWindow();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("分析評価結果"));
    EXPECT_EQ(w->labTitle[0]->text(), QStringLiteral("プロット数 :"));
    EXPECT_TRUE(w->Caption[0]->text().startsWith(QStringLiteral("全体:5 "))) << w->Caption[0]->text().toStdString();
    EXPECT_EQ(w->labTitle[2]->text(), QStringLiteral("Ｘ軸平均　 :"));
    EXPECT_EQ(w->labTitle[5]->text(), QStringLiteral("Ｙ軸平均　 :"));
    // A click anywhere closes it; going back closes it too.
    QTest::mouseClick(w->Caption[3], Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    plot->mnAnalizeClick();
    plot->btnBackClick();
    EXPECT_FALSE(w->isVisible());
}

} // namespace
