#include "MasterFixture.h"
#include "master/EvaluationTable.h"
#include "raise/TQK3020.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>

using master::EvaluationRow;

namespace {

EvaluationRow row(const char* code, const char* symbol, const char* steps = "")
{
    return {QString::fromUtf8(code), QString::fromUtf8(symbol), QString::fromUtf8(steps)};
}

TEST(MasterEvaluationTable, RowsAreCheckedBeforeAnythingIsDeleted)
{
    struct Case {
        const char* name;
        std::vector<EvaluationRow> rows;
        int row;
        int column;
        const char* message;
    } cases[] = {
        {"symbol missing", {row("1", "S", "3"), row("2", "", "1")}, 1, 1, "評価記号を入力して下さい。"},
        {"same code", {row("1", "S"), row("1", "A")}, 0, 0, "評価コードが重複しています。"},
        {"same symbol", {row("1", "A"), row("2", "A")}, 0, 1, "評価記号が重複しています。"},
        {"code-less row with a coded row's symbol", {row("1", "A"), row("", "A")}, 0, 1, "評価記号が重複しています。"},
        {"code that is no number", {row("1", "S"), row("B", "A")}, 1, 0, "数値を入力して下さい。"},
        {"symbol outside CP932", {row("1", "𠮷")}, 0, 1, "「𠮷」はShift-JIS(CP932)で書けない文字です。"},
    };
    for (const Case& c : cases) {
        const auto refusal = master::checkEvaluationRows(c.rows);
        ASSERT_TRUE(refusal.has_value()) << c.name;
        EXPECT_EQ(refusal->row, c.row) << c.name;
        EXPECT_EQ(refusal->column, c.column) << c.name;
        EXPECT_EQ(refusal->message, QString::fromUtf8(c.message)) << c.name;
    }
    EXPECT_FALSE(master::checkEvaluationRows({row("1", "S", "3"), row("", ""), row("2", "A", "x")}).has_value())
        << "rows without code are not stored; steps that are no number are stored as 0";
    EXPECT_FALSE(master::checkEvaluationRows({row("1", "a"), row("2", "A")}).has_value()) << "exact texts";
}

TEST(MasterEvaluationTable, TheAddedRowTakesTheNextCodeAndOneStep)
{
    bool converted = false;
    EXPECT_EQ(master::nextEvaluationRow(row("4", "B", "0"), &converted), row("5", "", "1"));
    EXPECT_TRUE(converted);
    EXPECT_EQ(master::nextEvaluationRow(row("X", "B", "0"), &converted), row("", "", ""));
    EXPECT_FALSE(converted);
}

class MasterEvaluationScreen : public MasterTest {
protected:
    void SetUp() override
    {
        MasterTest::SetUp();
        screen = std::make_unique<salary::TQK3020>(dm());
        screen->Prepare();
        showActive(screen.get());
    }
    QStringList stored(const QString& table)
    {
        QStringList out;
        data::Query q(dm().ACN2);
        q.setSql(table == QStringLiteral("MHYOUKA")
                     ? QStringLiteral("select SKCO, HCO, HKIGOU, SGOUSU from MHYOUKA where KCO = 1 and NENDO = 2020 order by HCO")
                     : QStringLiteral("select 0, HCO, HKIGOU, 0 from YHYOUKA where KCO = 1 and NENDO = 2020 order by HCO"));
        if (q.open())
            while (!q.eof()) {
                out << q.textValue(0) + QLatin1Char('/') + q.textValue(1) + QLatin1Char('/') + q.textValue(2)
                           + QLatin1Char('/') + q.textValue(3);
                q.next();
            }
        return out;
    }
    // Types into the cell under the cursor and ends it with Enter, as the user does.
    void typeEnter(const QString& text)
    {
        for (QChar ch : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(ch));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();   // the cell editor commits on the next round
        QApplication::processEvents();
    }
    std::unique_ptr<salary::TQK3020> screen;
};

TEST_F(MasterEvaluationScreen, AnEmptyTableStartsWithCodeOneAndSavesIt)
{
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("評価の変換"));
    EXPECT_EQ(screen->size(), QSize(340, 473));
    EXPECT_EQ(screen->cmbChingin->currentText(), QStringLiteral("0 : なし"));
    ASSERT_EQ(screen->Grid->rows(), std::vector<EvaluationRow>{row("1", "", "0")});
    EXPECT_EQ(screen->Grid->currentColumn(), 1) << "the cursor on the symbol";
    screen->Grid->setFocus();
    QTest::keyClicks(screen->Grid, QStringLiteral("S"));
    screen->btnAdd->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(stored(QStringLiteral("MHYOUKA")), QStringList{QStringLiteral("0/1/S/0")});
}

TEST_F(MasterEvaluationScreen, EnterWalksTheRowAndAddsTheNextCodeAtTheEnd)
{
    screen->Grid->setFocus();
    typeEnter(QStringLiteral("S"));   // the symbol, then on to the steps
    EXPECT_EQ(screen->Grid->currentRow(), 0);
    EXPECT_EQ(screen->Grid->currentColumn(), 2);
    typeEnter(QStringLiteral("5"));   // the steps of the last row: a row is added
    ASSERT_EQ(screen->Grid->rowCount(), 2);
    EXPECT_EQ(screen->Grid->rows()[1], row("2", "", "1"));
    EXPECT_EQ(screen->Grid->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(screen->Grid->currentRow(), 1);
    EXPECT_EQ(screen->Grid->currentColumn(), 1);
    typeEnter(QStringLiteral("A"));
    typeEnter(QString());   // one step kept; the third row is added
    ASSERT_EQ(screen->Grid->rowCount(), 3);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("B"));
    screen->btnAdd->click();   // the cell being typed in counts
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(stored(QStringLiteral("MHYOUKA")),
              (QStringList{QStringLiteral("0/1/S/5"), QStringLiteral("0/2/A/1"), QStringLiteral("0/3/B/1")}));

    // Enter from the steps of a row that is not the last goes to the next row's symbol.
    screen->Grid->goTo(0, 2);
    screen->Grid->setFocus();
    typeEnter(QString());
    EXPECT_EQ(screen->Grid->currentRow(), 1);
    EXPECT_EQ(screen->Grid->currentColumn(), 1);
    EXPECT_EQ(screen->Grid->rowCount(), 3);
}

TEST_F(MasterEvaluationScreen, ACodeThatIsNoNumberStillAddsARowButTellsSo)
{
    screen->Grid->setRows({row("X", "A", "0")});
    screen->Grid->goTo(0, 2);
    screen->Grid->setFocus();
    typeEnter(QString());
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("数値の入力エラーです。")});
    ASSERT_EQ(screen->Grid->rowCount(), 2);
    EXPECT_EQ(screen->Grid->rows()[1], row("", "", ""));
    home.dialogs.clear();
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("数値を入力して下さい。")});
    EXPECT_TRUE(stored(QStringLiteral("MHYOUKA")).isEmpty()) << "refused before the old rows are deleted";
}

TEST_F(MasterEvaluationScreen, RefusedRowsLeaveTheStoredTableAsItWas)
{
    screen->Grid->setRows({row("1", "A", "2"), row("2", "B", "1")});
    screen->btnAdd->click();
    ASSERT_EQ(stored(QStringLiteral("MHYOUKA")).size(), 2);

    screen->Grid->setRows({row("1", "A", "2"), row("2", "A", "1"), row("3", "C", "0")});
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("評価記号が重複しています。")});
    EXPECT_EQ(stored(QStringLiteral("MHYOUKA")), (QStringList{QStringLiteral("0/1/A/2"), QStringLiteral("0/2/B/1")}));
    EXPECT_EQ(screen->Grid->currentRow(), 0);
    EXPECT_EQ(screen->Grid->currentColumn(), 1) << "the cursor on the symbol at fault";

    // Rows removed from the grid are deleted: the save replaces the table.
    home.dialogs.clear();
    screen->Grid->setRows({row("2", "B", "3")});
    screen->btnAdd->click();
    EXPECT_EQ(stored(QStringLiteral("MHYOUKA")), QStringList{QStringLiteral("0/2/B/3")});
    EXPECT_EQ(screen->Grid->rows(), std::vector<EvaluationRow>{row("2", "B", "3")}) << "loaded again";
}

TEST_F(MasterEvaluationScreen, AColumnDraggedElsewhereIsReadByItsNewPlace)
{
    screen->Grid->setRows({row("1", "A", "2")});
    // The steps column dragged in front of the symbol: the screen reads by position.
    screen->Grid->horizontalHeader()->moveSection(2, 1);
    EXPECT_EQ(screen->Grid->rows(), std::vector<EvaluationRow>{row("1", "2", "A")});
}

TEST_F(MasterEvaluationScreen, RoleEvaluationsAreSavedForTheCompany)
{
    screen->PageControl->setCurrentIndex(1);
    EXPECT_EQ(screen->RoleGrid->columnCount(), 2);
    screen->RoleGrid->setRows({row("1", "上級"), row("2", "中級")});
    screen->btnAdd->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(stored(QStringLiteral("YHYOUKA")), (QStringList{QStringLiteral("0/1/上級/0"), QStringLiteral("0/2/中級/0")}));
    ASSERT_EQ(state().EvaluationSymbols.size(), 2u) << "the application's list is read again";
    EXPECT_EQ(state().EvaluationSymbols[1].HKIGOU, QStringLiteral("中級"));
    EXPECT_TRUE(stored(QStringLiteral("MHYOUKA")).isEmpty()) << "the personnel table is not touched";
}

} // namespace
