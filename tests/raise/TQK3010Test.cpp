// Raise management offscreen on a copy of the sample company of 2020: loading, the wage-table
// look-up of a linked pay item, saving, the checks of the fields and the questions about changes.

#include "RaiseFixture.h"
#include "app/SharedRoutines.h"
#include "data/InstallData.h"
#include "raise/RaiseListModel.h"
#include "raise/TQK3010.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace fixture;

namespace {

const QString kNoAmount = QStringLiteral("新基本給を決定出来ません。New等級,New号俸を確認して下さい。");

qint64 amount(const QLineEdit* e)
{
    QString t = e->text();
    t.remove(QLatin1Char(','));
    return t.toLongLong();
}

class RaiseScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(home.openInstalledSample());
    }
    void TearDown() override
    {
        screen.reset();
        home.expectNoUnexpected();
    }
    void open()
    {
        screen = std::make_unique<salary::TQK3010>(home.dm());
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }
    Probe probe() { return Probe(home.dm().yearDatabasePath(2020)); }
    qint64 value(qint64 sco, const QString& column)
    {
        return probe().scalar(QStringLiteral("SELECT ") + column
                              + QStringLiteral(" FROM MSYAIN1 JOIN MSYAIN2 USING (KCO, SCO, NENDO) WHERE KCO = 1 AND NENDO = 2020 AND SCO = ")
                              + QString::number(sco));
    }
    // Types text into a field and leaves it with Tab, as the user does (its page shown first).
    void type(QWidget* field, const QString& text)
    {
        for (QWidget* page : {screen->TabSheet1, screen->TabSheet2})
            if (page->isAncestorOf(field))
                screen->PageControl->setCurrentWidget(page);
        field->setFocus();
        QLineEdit* line = qobject_cast<QLineEdit*>(field);
        if (auto* box = qobject_cast<QComboBox*>(field))
            line = box->lineEdit();
        line->selectAll();
        line->del();
        QTest::keyClicks(line, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    void choose(qint64 sco) { type(screen->cmbWorkerCode, QString::number(sco)); }

    TestHome home{false};
    std::unique_ptr<salary::TQK3010> screen;
};

} // namespace

TEST_F(RaiseScreen, OpensOnTheFirstEmployeeWithTheGradeItSaves)
{
    // After a promotion rolled over, TCO holds the grade and TOUKYU the one before.
    const qint64 first = probe().scalar(QStringLiteral("SELECT min(SCO) FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020"));
    ASSERT_TRUE(probe().c.executeRaw(QStringLiteral("UPDATE MSYAIN1 SET TCO = 5 WHERE KCO = 1 AND SCO = %1").arg(first)));
    ASSERT_TRUE(probe().c.executeRaw(QStringLiteral("UPDATE MSYAIN2 SET TOUKYU = 4 WHERE KCO = 1 AND SCO = %1").arg(first)));
    open();
    const qint64 employees = probe().scalar(QStringLiteral("SELECT count(*) FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020"));
    EXPECT_EQ(screen->Grid->model()->rowCount(), employees);
    EXPECT_TRUE(screen->cmbWorkerCode->currentText().startsWith(QString::number(first) + QStringLiteral(" : ")));
    EXPECT_EQ(screen->txtCureentNo->text(), QStringLiteral("1"));
    EXPECT_EQ(screen->cmbSikaku->currentText(), app::GradeItemText(5));
    EXPECT_FALSE(screen->dataChanged());

    screen->btnAdd->click();
    EXPECT_EQ(value(first, QStringLiteral("TCO")), 5);
    EXPECT_EQ(value(first, QStringLiteral("TOUKYU")), 4);
}

TEST_F(RaiseScreen, ALinkedItemTakesTheWageTableAmountOfTheNewGradeAndStep)
{
    Probe p = probe();
    const qint64 sco = p.scalar(QStringLiteral("SELECT min(SCO) FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020 AND JISEKI = 2 AND SKCO > 0"));
    ASSERT_GT(sco, 0);
    const qint64 table = value(sco, QStringLiteral("SKCO"));
    const qint64 before = value(sco, QStringLiteral("KKYU2"));
    auto kin = [&](int grade, int step) {
        return p.scalar(QStringLiteral("SELECT KIN%1 FROM DCHINGIN2 WHERE KCO = 1 AND NENDO = 2020 AND SKCO = %2 AND GOUHOU = %3")
                            .arg(grade)
                            .arg(table)
                            .arg(step));
    };
    open();
    choose(sco);
    ASSERT_EQ(screen->txtWorkerName->text(), p.text(QStringLiteral("SELECT SNA FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020 AND SCO = %1").arg(sco)));
    EXPECT_TRUE(screen->txtBKihon[1]->isReadOnly());
    EXPECT_TRUE(screen->txtUKihon[1]->isReadOnly());
    EXPECT_FALSE(screen->txtBKihon[0]->isReadOnly());

    // Promoted to grade 4, step 12.
    if (!screen->chkUP->isChecked())
        screen->chkUP->click();
    type(screen->cmbNewToukyu, QStringLiteral("4"));
    type(screen->txtNewGouhou, QStringLiteral("12"));
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(home.dialogs.texts().join(u'|'));
    EXPECT_EQ(amount(screen->txtAKihon[1]), kin(4, 12));
    EXPECT_EQ(amount(screen->txtUKihon[1]), kin(4, 12) - before);
    EXPECT_TRUE(screen->dataChanged());

    screen->btnAdd->click();
    EXPECT_FALSE(screen->dataChanged());
    EXPECT_EQ(value(sco, QStringLiteral("NKKYU2")), kin(4, 12));
    EXPECT_EQ(value(sco, QStringLiteral("NTOUKYU")), 4);
    EXPECT_EQ(value(sco, QStringLiteral("NGOUHOU")), 12);
    EXPECT_EQ(value(sco, QStringLiteral("FSKCHK")), 1);
    EXPECT_EQ(value(sco, QStringLiteral("NNENSYU")), 12 * value(sco, QStringLiteral("NSYOTEI")));
    EXPECT_EQ(value(sco, QStringLiteral("NSYOTEI")), amount(screen->txtATotal));
    // The list shows the saved new grade.
    const QModelIndex cell = screen->Grid->model()->index(screen->currentRow(), 8);
    EXPECT_EQ(cell.data().toString(), QStringLiteral("4"));

    // Without promotion the current grade, shown again in the new-grade box, is looked up.
    screen->chkUP->click();
    EXPECT_EQ(screen->cmbNewToukyu->currentText(), screen->cmbSikaku->currentText());
    const int current = int(app::parseWholeNumber(app::typedCode(screen->cmbSikaku->currentText())).value_or(0));
    type(screen->txtNewGouhou, QStringLiteral("13"));
    EXPECT_EQ(amount(screen->txtAKihon[1]), kin(current, 13));

    // A step without a row of the table: no amount, and the raise becomes minus the pay before.
    type(screen->txtNewGouhou, QStringLiteral("999"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{kNoAmount});
    EXPECT_EQ(amount(screen->txtAKihon[1]), 0);
    EXPECT_EQ(amount(screen->txtUKihon[1]), -before);
}

TEST_F(RaiseScreen, BadEntriesAreRefusedKeepTheFocusAndChangeNothing)
{
    open();
    const qint64 sco = probe().scalar(QStringLiteral("SELECT min(SCO) FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020"));
    const auto before = fingerprint(home.dm().yearDatabasePath(2020));
    struct Case {
        const char* what;
        QWidget* field;
        const char* typed;
        QString message;
    } const cases[] = {
        {"step letters", screen->txtGouhou, "abc", QStringLiteral("数値を入力してください。")},
        {"step above 300", screen->txtGouhou, "301", QStringLiteral("入力範囲外です。")},
        {"grade 0", screen->cmbSikaku, "0", QStringLiteral("０は入力できません。")},
        {"grade 12", screen->cmbSikaku, "12", QStringLiteral("存在しないコードです。")},
        {"grade letters", screen->cmbSikaku, "x", QStringLiteral("数値を入力して下さい。")},
        {"evaluation unknown", screen->cmbHyouka, "77", QStringLiteral("存在しないコードです。")},
        {"new step letters", screen->txtNewGouhou, "a1", QStringLiteral("数値を入力してください。")},
        {"allowance letters", screen->txtBTeate[0], "12a", QStringLiteral("数値を入力してください。")},
        {"allowance of ten digits", screen->txtATeate[1], "1234567890", QStringLiteral("入力範囲外です。")},
        {"raise of letters", screen->txtUKihon[0], "--", QStringLiteral("数値を入力してください。")},
        {"employee unknown", screen->cmbWorkerCode, "99999", QStringLiteral("存在しないコードです。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        home.dialogs.clear();
        type(c.field, QString::fromUtf8(c.typed));
        EXPECT_EQ(home.dialogs.texts(), QStringList{c.message});
        QTRY_VERIFY(c.field->hasFocus());
        // The user corrects the entry before going on.
        if (auto* box = qobject_cast<QComboBox*>(c.field))
            box->setEditText(QString());
        else
            static_cast<QLineEdit*>(c.field)->setText(c.field == screen->txtNewGouhou ? QStringLiteral("1") : QStringLiteral("0"));
    }
    EXPECT_EQ(fingerprint(home.dm().yearDatabasePath(2020)), before);
    EXPECT_EQ(screen->txtWorkerName->text(),
              probe().text(QStringLiteral("SELECT SNA FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020 AND SCO = %1").arg(sco)));
}

TEST_F(RaiseScreen, AmountsAreReformattedAndTotalled)
{
    open();
    screen->PageControl->setCurrentWidget(screen->TabSheet2);
    const qint64 beforeTotal = amount(screen->txtBTotal);
    const qint64 allowance = amount(screen->txtBTeate[4]);
    type(screen->txtATeate[4], QString::number(allowance + 12345));
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(home.dialogs.texts().join(u'|'));
    EXPECT_EQ(screen->txtATeate[4]->text(), app::formatNumber(QStringLiteral("#,##0"), double(allowance + 12345)));
    EXPECT_EQ(amount(screen->txtUTeate[4]), 12345);
    EXPECT_EQ(amount(screen->txtBTotal), beforeTotal);
    EXPECT_EQ(amount(screen->txtATotal), amount(screen->txtAKihonSum) + amount(screen->txtASumTeate));
    EXPECT_EQ(amount(screen->txtUTotal), amount(screen->txtATotal) - amount(screen->txtBTotal));
}

TEST_F(RaiseScreen, UnsavedChangesAreAskedAbout)
{
    open();
    const qint64 first = screen->Grid->model()->index(0, 1).data().toLongLong();
    const qint64 second = screen->Grid->model()->index(1, 1).data().toLongLong();
    type(screen->txtGouhou, QStringLiteral("7"));
    ASSERT_TRUE(screen->dataChanged());

    struct Step {
        QPushButton* button;
        const char* destination;
        bool stay;
        qint64 shownAfter;
    } const steps[] = {
        {screen->btnNext, "次のデータ　へ。", true, first},
        {screen->btnNext, "次のデータ　へ。", false, second},
    };
    for (const Step& st : steps) {
        home.dialogs.clear();
        home.dialogs.answer(st.stay);
        st.button->click();
        EXPECT_EQ(home.dialogs.texts(),
                  QStringList{QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:") + QString::fromUtf8(st.destination)});
        EXPECT_TRUE(screen->cmbWorkerCode->currentText().startsWith(QString::number(st.shownAfter) + QStringLiteral(" : ")));
    }
    // Moving on cleared the change: the next move asks nothing.
    home.dialogs.clear();
    screen->btnBack->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_TRUE(screen->cmbWorkerCode->currentText().startsWith(QString::number(first) + QStringLiteral(" : ")));

    type(screen->txtGouhou, QStringLiteral("8"));
    home.dialogs.answer(true);
    screen->btnClose->click();
    EXPECT_TRUE(screen->isVisible());
    home.dialogs.answer(false);
    screen->btnClose->click();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(home.dialogs.texts().last(), QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。"));
}

TEST_F(RaiseScreen, AYearWithoutEmployeesSaysSo)
{
    ASSERT_TRUE(probe().c.executeRaw(QStringLiteral("DELETE FROM MSYAIN1; DELETE FROM MSYAIN2;")));
    open();
    EXPECT_EQ(screen->Grid->model()->rowCount(), 0);
    type(screen->cmbWorkerCode, QStringLiteral("1"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("社員マスターにデータが存在しません。")});
    home.dialogs.clear();
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("社員コードが入力されていません。")});
}
