// The optimal wage screen and its result table on the small company of the plot tests, offscreen.

#include "OptimalFixture.h"
#include "analysis/TQK1100.h"
#include "app/RightEdit.h"
#include "optimal/TFQK1071.h"
#include "optimal/TQK1070.h"
#include "curves/SelectionControls.h"
#include "support/Application.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace optimalfixture;

class OptimalScreen : public testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        plotfixture::makeCompany(home);
        plot = std::make_unique<analysis::TQK1100>(dm());
        screen = std::make_unique<optimal::TQK1070>(dm(), plot.get());
        screen->showResult = [this](const optimal::OptimalAnalysis& a) { shown.push_back(int(a.employees.size())); };
        screen->Prepare();
    }
    data::TFDM& dm() { return home.dm(); }
    // Item I on age, grades 1..3, every mark.
    void chooseItemIOnAge()
    {
        screen->optY[0]->setChecked(true);
        screen->optX[0]->setChecked(true);
        screen->selection->optSalary[4]->setChecked(true);
        screen->selection->optSex[2]->setChecked(true);
        screen->selection->btnPlotAll->click();
        for (int i = 0; i < 9; ++i)
            screen->selection->optTokyu[i]->setChecked(i < 3);
    }

    TestHome home;
    std::unique_ptr<analysis::TQK1100> plot;
    std::unique_ptr<optimal::TQK1070> screen;
    std::vector<int> shown;
};

TEST_F(OptimalScreen, PreparesFromANewChartRow)
{
    EXPECT_EQ(screen->size(), QSize(650, 520));
    EXPECT_TRUE(screen->optY[0]->isChecked());
    for (QCheckBox* box : screen->optX)
        EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(screen->optMark[0]->isChecked());
    EXPECT_TRUE(screen->selection->optSalary[0]->isChecked());   // work form 0 until the first save
    EXPECT_TRUE(screen->selection->optSex[0]->isChecked());
    EXPECT_TRUE(screen->optMark[2]->isHidden());
    EXPECT_EQ(screen->txtLevel1->text(), QStringLiteral("0"));
    EXPECT_EQ(screen->selection->optPlot[1]->text(), QStringLiteral("● 技術"));
    EXPECT_EQ(plot->CurrentChartNo, 1070);
    EXPECT_EQ(plot->PlotChartNo, 0);
    EXPECT_EQ(dm().state.DataChanged, 0);
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT count(*) FROM MCHART WHERE CHCO = 1070 AND FCHK = '000000000'")), 1);
}

TEST_F(OptimalScreen, CalculateShowsTheResultOrWhyNot)
{
    chooseItemIOnAge();
    screen->optX[0]->setChecked(false);
    screen->btnKeisan->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("説明変数を指定して下さい。")});
    EXPECT_TRUE(shown.empty());

    home.dialogs.clear();
    screen->optX[0]->setChecked(true);
    screen->btnKeisan->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(shown, std::vector<int>{4});

    // A linked employee: the result comes after the notice.
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN1 SET JISEKI = 1 WHERE SCO = 101")));
    screen->btnKeisan->click();
    EXPECT_EQ(home.dialogs.texts(),
              QStringList{QStringLiteral("分析データは賃金表又はマトリクスにリンクされたデータを含んでいます。")});
    EXPECT_EQ(shown, (std::vector<int>{4, 4}));
    EXPECT_TRUE(screen->lastAnalysis().linked);
    home.expectNoUnexpected();
}

TEST_F(OptimalScreen, AnalyseHandsOverToThePlotWindow)
{
    chooseItemIOnAge();
    screen->txtTitle->setText(QStringLiteral("最適賃金"));
    screen->txtLevel1->setText(QStringLiteral("10"));
    screen->txtLevel2->setText(QStringLiteral("-10"));
    screen->btnAnalize->click();
    EXPECT_EQ(plot->PlotChartNo, 1070);
    EXPECT_EQ(plot->windowTitle(), QStringLiteral("プロット　 【　最適賃金　】"));
    EXPECT_EQ(plot->plotData().chart.points.size(), 4u);
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    data::TChart_ row;
    ASSERT_TRUE(analysis::loadChartSettings(dm(), 1070, row));
    EXPECT_EQ(row.SJYUN1, 10);
    EXPECT_EQ(row.SJYUN2, -10);
    EXPECT_EQ(s(row.TOUKYU), "111000000");
    plot->close();

    // Prepared again, the screen shows what it saved.
    screen->Prepare();
    EXPECT_TRUE(screen->optX[0]->isChecked());
    EXPECT_FALSE(screen->optX[1]->isChecked());
    EXPECT_TRUE(screen->optY[0]->isChecked());
    EXPECT_TRUE(screen->selection->optSalary[4]->isChecked());
    EXPECT_TRUE(screen->selection->optTokyu[2]->isChecked());
    EXPECT_FALSE(screen->selection->optTokyu[3]->isChecked());
    EXPECT_EQ(screen->txtTitle->text(), QStringLiteral("最適賃金"));
    EXPECT_EQ(screen->txtLevel2->text(), QStringLiteral("-10"));

    // Nobody to plot: the message, and the screen stays.
    screen->selection->btnTokyuNothing->click();
    screen->btnAnalize->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("対象データデータがありません。")});
    EXPECT_EQ(plot->PlotChartNo, 0);
    home.expectNoUnexpected();
}

TEST_F(OptimalScreen, PercentageFieldsMustHoldNumbers)
{
    screen->show();
    for (TRightEdit* field : {screen->txtLevel1, screen->txtLevel2}) {
        for (const char* text : {"", "1x", "12"}) {
            home.dialogs.clear();
            field->setText(QString::fromUtf8(text));
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(field, &out);
            if (QByteArray(text) == "12")
                EXPECT_TRUE(home.dialogs.texts().isEmpty());
            else
                EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("数値を入力してください。")}) << text;
        }
    }
    screen->hide();
}

class ResultScreen : public OptimalScreen {
protected:
    void run(int target)
    {
        chooseItemIOnAge();
        screen->optY[target]->setChecked(true);
        screen->btnKeisan->click();
        ASSERT_EQ(shown.size(), 1u);
        result = std::make_unique<optimal::TFQK1071>(dm(), screen->lastAnalysis(), analysis::regressionWorkArea());
    }
    std::unique_ptr<optimal::TFQK1071> result;
};

TEST_F(ResultScreen, GridStatusAndButtons)
{
    run(0);
    const QAbstractItemModel* grid = result->Grid->model();
    EXPECT_EQ(grid->columnCount(), 9);
    EXPECT_EQ(grid->rowCount(), 4 + 1 + 9 - 1);   // the heading row is the grid's header
    EXPECT_EQ(grid->headerData(4, Qt::Horizontal).toString(), QStringLiteral("項　目　Ⅰ"));
    EXPECT_EQ(grid->headerData(5, Qt::Horizontal).toString(), QStringLiteral("年齢"));
    EXPECT_TRUE(grid->headerData(4, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_EQ(grid->index(0, 0).data().toString(), QStringLiteral("101"));
    EXPECT_EQ(grid->index(0, 4).data().toString(), QStringLiteral("253,000"));
    EXPECT_TRUE(grid->index(0, 4).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_FALSE(grid->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_EQ(grid->index(4 + 8, 2).data().toString(), QStringLiteral("補正  R2"));
    EXPECT_EQ(result->StatusBar1->currentMessage(), analysis::regressionWorkArea().statistics.judgement);
    EXPECT_FALSE(result->StatusBar1->currentMessage().isEmpty());
    EXPECT_TRUE(result->btnUPDATE->isEnabled());

    // CSV, then 最適化 answered Yes: it writes once and disables itself.
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("CSV")));
    result->btnCSV->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("分析結果をCSVに出力しました。")});
    EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("CSV/最適賃金の分析結果.CSV")));
    home.dialogs.answer(true);
    result->btnUPDATE->click();
    EXPECT_FALSE(result->btnUPDATE->isEnabled());
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT count(*) FROM MSYAIN2 WHERE SAVENO = 1")), 4);

    // Escape asks for the reset; No leaves everything.
    home.dialogs.clear();
    home.dialogs.answer(false);
    QTest::keyClick(result.get(), Qt::Key_Escape);
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("最適賃金の設定をリセットしますか？")});
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT count(*) FROM MSYAIN2 WHERE SAVENO = 1")), 4);
    home.dialogs.answer(true);
    result->btnReset->click();
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT count(*) FROM MSYAIN2 WHERE SAVENO <> 0")), 0);
    EXPECT_EQ(result->result(), QDialog::Accepted);
    home.expectNoUnexpected();
}

TEST_F(ResultScreen, FailuresKeepTheOptimisationAvailable)
{
    run(0);
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral(
        "CREATE TRIGGER fail BEFORE UPDATE ON MSYAIN2 WHEN NEW.SCO = 105 AND NEW.SAVENO <> 0 "
        "BEGIN SELECT RAISE(ABORT, 'locked'); END")));
    home.dialogs.answer(true);
    result->btnUPDATE->click();
    EXPECT_TRUE(result->btnUPDATE->isEnabled());
    ASSERT_EQ(home.dialogs.texts().size(), 2);   // the question and the data layer's error
    EXPECT_TRUE(home.dialogs.texts()[1].contains(QStringLiteral("locked")));

    // The FIT columns changed since: the count no longer matches.
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral("UPDATE MSYAIN2 SET FITNO = 0 WHERE SCO = 101")));
    home.dialogs.clear();
    home.dialogs.answer(true);
    result->btnUPDATE->click();
    EXPECT_EQ(home.dialogs.texts(),
              (QStringList{QStringLiteral("最適賃金を社員マスタに更新しますか？"), QStringLiteral("処理件数エラーです。")}));
    EXPECT_TRUE(result->btnUPDATE->isEnabled());

    // Nothing was saved: the reset says so and closes.
    home.dialogs.clear();
    home.dialogs.answer(true);
    result->btnReset->click();
    EXPECT_EQ(home.dialogs.texts(), (QStringList{QStringLiteral("最適賃金の設定をリセットしますか？"),
                                                 QStringLiteral("リセットするデータは存在しません。")}));
    EXPECT_EQ(result->result(), QDialog::Accepted);

    // The CSV folder is missing: an error, no confirmation.
    home.dialogs.clear();
    result->btnCSV->click();
    ASSERT_EQ(home.dialogs.texts().size(), 1);
    EXPECT_TRUE(home.dialogs.texts()[0].startsWith(QStringLiteral("分析結果をCSVに出力できませんでした。")));
    home.expectNoUnexpected();
}

TEST_F(ResultScreen, OnlyItemsOneTwoAndTheBonusCanBeWritten)
{
    for (int target : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(target);
        shown.clear();
        run(target);
        EXPECT_EQ(result->btnUPDATE->isEnabled(), target == 1 || target == 4);
    }
}

} // namespace
