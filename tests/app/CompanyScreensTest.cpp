#include "ShellFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>

namespace {

QString kna1(data::TFDM& dm, int kco, int year)
{
    data::TKigyo1_ k1;
    data::Select(dm.ACN1, dm.Query1, false, QStringLiteral("select * from MKIGYOU1"),
                 QStringLiteral(" where KCO = ") + QString::number(kco) + QStringLiteral(" and NENDO = ") + QString::number(year),
                 k1);
    return k1.ok ? k1.KNA : QStringLiteral("<none>");
}

// Leaving a field for the next one, as Tab does.
void leave(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

QStringList items(QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

// ---------------------------------------------------------------- selection

TEST_F(Shell, SelectInAYearWithoutCompaniesSaysNoneIsChosen)
{
    ASSERT_TRUE(home.openYear(2020));
    beginAction(4);
    EXPECT_EQ(dialog().Grid->rowCount(), 1);
    EXPECT_EQ(gridCodes(), QStringList{QString()});
    dialog().btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("企業コードが選択されていません。")});
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(state().CompanyOpen, 0);
}

TEST_F(Shell, ChoosingAYearRefillsTheGridButTypingOneDoesNot)
{
    addCompany(home, 2019, 1, QStringLiteral("甲社"));
    addCompany(home, 2019, 2, QStringLiteral("乙社"));
    addCompany(home, 2020, 3, QStringLiteral("丙社"));
    beginAction(4);
    EXPECT_EQ(gridCodes(), QStringList{QStringLiteral("3")});

    chooseYear(2019);
    EXPECT_EQ(state().CurrentNendo, 2019);
    EXPECT_EQ(gridCodes(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(dialog().Grid->item(1, 1)->text(), QStringLiteral("乙社"));
    EXPECT_EQ(dialog().Grid->item(1, 2)->text(), QDir::toNativeSeparators(state().DataDir));

    QLineEdit* typed = dialog().cmbNendo->lineEdit();
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("2020"));
    EXPECT_EQ(state().CurrentNendo, 0);
    // Neither Enter nor leaving the box makes the typed year a choice.
    QTest::keyClick(dialog().cmbNendo, Qt::Key_Return);
    leave(dialog().cmbNendo);
    EXPECT_EQ(state().CurrentNendo, 0);
    EXPECT_EQ(gridCodes(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    dialog().btnAdd->click();
    EXPECT_EQ(state().CompanyOpen, 0) << "the buttons do nothing without a chosen year";
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

TEST_F(Shell, ClickingARowChoosesThatCompany)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    addCompany(home, 2020, 2, QStringLiteral("乙社"));
    beginAction(4);
    EXPECT_EQ(dialog().CompanyGridCode, 1) << "the first row is chosen to begin with";
    clickRow(1);
    EXPECT_EQ(dialog().CompanyGridCode, 2);
    EXPECT_EQ(dialog().Grid->currentRow(), 1);
    dialog().btnAdd->click();
    EXPECT_EQ(state().CurrentKco, 2);
    EXPECT_EQ(state().CurrentCompanyName, QStringLiteral("乙社"));
}

TEST_F(Shell, SelectReportsAMissingDatabaseOrCompanyMaster)
{
    struct Case {
        const char* name;
        int year;
        QString message;
    } cases[] = {
        {"no database for the year", 2018, QStringLiteral("必要なデータベースが存在しません。")},
        {"registry row without company master", 2020, QStringLiteral("企業マスターが存在しません。")},
    };
    ASSERT_TRUE(home.openYear(2020));
    ASSERT_TRUE(dm().ACN1.executeRaw(QStringLiteral("INSERT INTO MKIGYOU1 (KCO, NENDO, KNA, FNK, REKI) VALUES "
                                                    "(5, 2018, '古社', 9, 0), (6, 2020, '欠社', 9, 0)")));
    for (const Case& c : cases) {
        home.dialogs.clear();
        beginAction(4);
        chooseYear(c.year);
        dialog().btnAdd->click();
        EXPECT_EQ(home.dialogs.texts(), QStringList{c.message}) << c.name;
        EXPECT_EQ(state().CompanyOpen, 0) << c.name;
        EXPECT_TRUE(dialog().isVisible()) << c.name;
        EXPECT_EQ(main().windowTitle(), QStringLiteral("カルネオ　フリー版"));
        dialog().btnClose->click();
    }
    EXPECT_FALSE(QFileInfo::exists(dm().yearDatabasePath(2018))) << "selecting never creates a database";
}

// ---------------------------------------------------------------- registration

TEST_F(Shell, RegisteringTheFirstCompanyOfANewYearCreatesItsDatabaseAndContinuesTheCodes)
{
    addCompany(home, 2019, 1, QStringLiteral("甲社"));
    addCompany(home, 2019, 2, QStringLiteral("乙社"));
    const QString file2021 = dm().yearDatabasePath(2021);
    ASSERT_FALSE(QFileInfo::exists(QFileInfo(file2021).path()));

    beginAction(1);
    chooseYear(2021);
    dialog().btnAdd->click();
    ASSERT_TRUE(QFileInfo::exists(file2021)) << "copied from the template";
    ASSERT_TRUE(screen().isVisible());
    EXPECT_EQ(screen().txtNendo->text(), QStringLiteral("2021"));
    EXPECT_EQ(screen().txtCorpID->text(), QStringLiteral("3"));
    EXPECT_EQ(screen().btnAdd->text(), QStringLiteral("登録"));
    EXPECT_TRUE(screen().btnAdd->isEnabled());
    for (QPushButton* b : {screen().btnMnt, screen().btnDlt}) {
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_FALSE(b->isEnabled());
    }
    // A new company starts from the defaults.
    EXPECT_TRUE(screen().txtCorpName->text().isEmpty());
    EXPECT_EQ(screen().txtTokyu[0]->text(), QStringLiteral("第１等級"));
    EXPECT_EQ(screen().txtTokyu[8]->text(), QStringLiteral("第９等級"));
    EXPECT_EQ(screen().cmbModelCode->currentText(), QStringLiteral("0 : なし"));
    EXPECT_EQ(screen().cmbLivingCode->currentText(), QStringLiteral("0 : なし"));
    EXPECT_EQ(screen().txtSaichin->text(), QStringLiteral("0"));

    // Without a name nothing is stored.
    screen().btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("企業名称は必ず入力してください。")});
    EXPECT_EQ(kna1(dm(), 3, 2021), QStringLiteral("<none>"));
    EXPECT_TRUE(screen().isVisible());

    screen().txtCorpName->insert(QStringLiteral("丁社"));
    screen().btnAdd->click();
    EXPECT_FALSE(screen().isVisible());
    EXPECT_TRUE(dialog().isVisible()) << "the dialog stays for the next action";
    EXPECT_EQ(gridCodes(), QStringList{QStringLiteral("3")});
    EXPECT_EQ(kna1(dm(), 3, 2021), QStringLiteral("丁社"));
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM MKIGYOU2 WHERE KCO = 3 AND NENDO = 2021")), 1);
    EXPECT_EQ(dialog().MaxCompanyCode, 3);
}

// ---------------------------------------------------------------- change

namespace {

// Company 1 of 2020 with a model data set and a cost-of-living set (two rows, listed once).
void changeFixture(TestHome& home)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    data::TFDM& dm = home.dm();
    ASSERT_TRUE(dm.ACN1.executeRaw(QStringLiteral("INSERT INTO MDEL (MDCO, MDNA) VALUES (1, 'モデルA'), (2, 'モデルB');"
                                                  "UPDATE MKIGYOU1 SET SYOTEIHH = 8, SAITEI = 964")));
    ASSERT_TRUE(dm.ACN2.executeRaw(QStringLiteral("INSERT INTO MSEIKEI (KCO, NENDO, SKCO, SNIN, SNENREI, DEDOKORO) VALUES "
                                                  "(1, 2020, 1, 1, 20, '人事院'), (1, 2020, 1, 2, 25, '人事院')")));
}

} // namespace

TEST_F(Shell, ChangeShowsTheCompanyChecksTheCodesAndStoresIt)
{
    changeFixture(home);
    beginAction(2);
    dialog().btnMnt->click();
    ASSERT_TRUE(screen().isVisible());
    EXPECT_EQ(state().CurrentKco, 1);
    EXPECT_EQ(screen().btnMnt->text(), QStringLiteral("修正"));
    EXPECT_EQ(screen().txtCorpName->text(), QStringLiteral("甲社"));
    EXPECT_EQ(screen().txtSyoteiHH->text(), QStringLiteral("8"));
    EXPECT_EQ(screen().txtSaichin->text(), QStringLiteral("964"));
    EXPECT_EQ(items(screen().cmbModelCode), (QStringList{QStringLiteral("1 : モデルA"), QStringLiteral("2 : モデルB")}));
    EXPECT_EQ(items(screen().cmbLivingCode), QStringList{QStringLiteral("1 : 人事院")});
    EXPECT_EQ(screen().cmbModelCode->currentText(), QStringLiteral("0 : なし"));
    EXPECT_FALSE(screen().dirty());

    screen().txtCorpName->selectAll();
    screen().txtCorpName->insert(QStringLiteral("甲社ホールディングス"));
    EXPECT_TRUE(screen().dirty());
    screen().cmbModelCode->setEditText(QString());
    screen().btnMnt->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("モデルコードを入力して下さい。")});
    screen().cmbModelCode->setEditText(QStringLiteral("2"));
    screen().cmbLivingCode->setEditText(QStringLiteral("  "));
    home.dialogs.clear();
    screen().btnMnt->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("生計費コードを入力して下さい。")});
    EXPECT_EQ(kna1(dm(), 1, 2020), QStringLiteral("甲社"));

    screen().cmbLivingCode->setEditText(QStringLiteral("1 : 人事院"));
    home.dialogs.clear();
    screen().btnMnt->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_TRUE(screen().isVisible()) << "changing keeps the screen open";
    EXPECT_FALSE(screen().dirty());
    EXPECT_EQ(kna1(dm(), 1, 2020), QStringLiteral("甲社ホールディングス"));
    EXPECT_EQ(screen().cmbModelCode->currentText(), QStringLiteral("2 : モデルB")) << "shown again from the database";
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT MDCO * 10 + SKCO FROM MKIGYOU2 WHERE KCO = 1")), 21);
}

TEST_F(Shell, LeavingAFieldChecksIt)
{
    changeFixture(home);
    beginAction(2);
    dialog().btnMnt->click();
    const QString number = QStringLiteral("数値を入力して下さい。");
    struct Case {
        const char* text;
        bool accepted;
    } cases[] = {{"abc", false}, {"-1", false}, {"", false}, {"7.5", true}, {"0", true}, {"-2", true}};
    for (QLineEdit* field : {screen().txtSyoteiHH, screen().txtSyoteiDD, screen().txtSyoteiMM, screen().txtSaichin}) {
        for (const Case& c : cases) {
            field->setText(QString::fromUtf8(c.text));
            home.dialogs.clear();
            leave(field);
            EXPECT_EQ(home.dialogs.texts(), c.accepted ? QStringList{} : QStringList{number})
                << s(field->objectName()) << " '" << c.text << "'";
        }
    }
    EXPECT_TRUE(screen().dirty()) << "leaving an hour field counts as a change";

    // The code boxes: an empty model code is refused, an unknown living code is shown as such.
    screen().cmbModelCode->setEditText(QString());
    home.dialogs.clear();
    leave(screen().cmbModelCode);
    EXPECT_EQ(home.dialogs.texts(), QStringList{number});
    screen().cmbLivingCode->setEditText(QStringLiteral("9"));
    home.dialogs.clear();
    leave(screen().cmbLivingCode);
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(screen().cmbLivingCode->currentText(), QStringLiteral("9 : 未登録"));
    screen().cmbLivingCode->setEditText(QStringLiteral("1 x"));
    leave(screen().cmbLivingCode);
    EXPECT_EQ(screen().cmbLivingCode->currentText(), QStringLiteral("1 : 人事院"));
    screen().cmbLivingCode->setEditText(QString());
    leave(screen().cmbLivingCode);
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << "an empty living code is not checked on leaving";
}

TEST_F(Shell, ARefusedFieldGetsTheFocusBack)
{
    changeFixture(home);
    beginAction(2);
    dialog().btnMnt->click();
    // The offscreen platform does not move the activation to a new window by itself.
    QApplication::setActiveWindow(&screen());
    screen().txtSyoteiHH->setFocus();
    screen().txtSyoteiHH->setText(QStringLiteral("x"));
    QTest::keyClick(screen().txtSyoteiHH, Qt::Key_Tab);
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("数値を入力して下さい。")});
    QTRY_VERIFY(screen().txtSyoteiHH->hasFocus());

    // Accepted, the focus goes on.
    screen().txtSyoteiHH->setText(QStringLiteral("8"));
    QTest::keyClick(screen().txtSyoteiHH, Qt::Key_Tab);
    QTRY_VERIFY(screen().txtSyoteiDD->hasFocus());
    EXPECT_EQ(home.dialogs.texts().size(), 1);
}

TEST_F(Shell, CloseAfterAnEditAsksAndCancelRestores)
{
    changeFixture(home);
    beginAction(2);
    dialog().btnMnt->click();
    const QString question = QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。");

    screen().txtTokyu[0]->insert(QStringLiteral("改"));
    screen().btnCansel->click();
    EXPECT_EQ(screen().txtTokyu[0]->text(), QStringLiteral("第１等級"));
    EXPECT_FALSE(screen().dirty());

    screen().txtCorpName->insert(QStringLiteral("新"));
    home.dialogs.answer(true);
    screen().btnClose->click();
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, question);
    EXPECT_EQ(home.dialogs.log[0].caption, QStringLiteral("確認"));
    EXPECT_TRUE(screen().isVisible()) << "Yes goes back to the screen";

    home.dialogs.answer(false);
    screen().btnClose->click();
    EXPECT_FALSE(screen().isVisible());
    EXPECT_EQ(kna1(dm(), 1, 2020), QStringLiteral("甲社")) << "No closes without saving";

    // Unchanged, it closes without asking.
    dialog().btnMnt->click();
    home.dialogs.clear();
    screen().btnClose->click();
    EXPECT_FALSE(screen().isVisible());
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}

// ---------------------------------------------------------------- deletion

namespace {

void deleteFixture(TestHome& home)
{
    addCompany(home, 2020, 1, QStringLiteral("甲社"));
    addCompany(home, 2020, 2, QStringLiteral("乙社, \"東京\""));
    ASSERT_TRUE(home.dm().ACN1.executeRaw(QStringLiteral("UPDATE MKIGYOU1 SET SAITEI = 900 WHERE KCO = 1;"
                                                         "UPDATE MKIGYOU1 SET SAITEI = 1013 WHERE KCO = 2")));
}

} // namespace

TEST_F(Shell, DeleteShowsTheChosenCompanyAndRemovesItAfterAsking)
{
    deleteFixture(home);
    state().CurrentKco = 1;   // left from an earlier action; the screen must show the chosen company
    beginAction(3);
    clickRow(1);
    dialog().btnDlt->click();
    ASSERT_TRUE(screen().isVisible());
    EXPECT_EQ(screen().txtCorpID->text(), QStringLiteral("2"));
    EXPECT_EQ(screen().txtCorpName->text(), QStringLiteral("乙社, \"東京\""));
    EXPECT_EQ(screen().txtSaichin->text(), QStringLiteral("1013"));
    EXPECT_EQ(screen().btnDlt->text(), QStringLiteral("削除"));

    const QString question = QStringLiteral("ﾃﾞｰﾀを削除しますか？\r【はい】:削除します。\r【いいえ】:戻ります。");
    home.dialogs.answer(false);
    screen().btnDlt->click();
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, question);
    EXPECT_EQ(home.dialogs.log[0].caption, QStringLiteral("削除"));
    EXPECT_EQ(kna1(dm(), 2, 2020), QStringLiteral("乙社, \"東京\""));

    home.dialogs.clear();
    home.dialogs.answer(true);
    screen().btnDlt->click();
    EXPECT_EQ(home.dialogs.texts(),
              (QStringList{question, QStringLiteral("企業マスター 【　2020　年度　2　:　乙社, \"東京\"　】 を削除しました。")}));
    EXPECT_FALSE(screen().isVisible());
    EXPECT_EQ(gridCodes(), QStringList{QStringLiteral("1")});
    EXPECT_EQ(kna1(dm(), 2, 2020), QStringLiteral("<none>"));
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM MKIGYOU2 WHERE KCO = 2")), 0);
    EXPECT_EQ(kna1(dm(), 1, 2020), QStringLiteral("甲社"));
}

TEST_F(Shell, AFailedDeleteKeepsTheCompanyAndTheScreen)
{
    deleteFixture(home);
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral(
        "CREATE TRIGGER keep BEFORE DELETE ON SALARYNAME BEGIN SELECT RAISE(ABORT, 'kept'); END")));
    completeStep(home, 2020, 2, SetupStep::WorkForm);
    beginAction(3);
    clickRow(1);
    dialog().btnDlt->click();
    home.dialogs.answer(true);
    screen().btnDlt->click();
    const QStringList texts = home.dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[1].contains(QStringLiteral("kept"))) << s(texts[1]);
    EXPECT_TRUE(screen().isVisible());
    EXPECT_EQ(kna1(dm(), 2, 2020), QStringLiteral("乙社, \"東京\""));
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM MMARK WHERE KCO = 2")),
              scalar(dm().ACN1, QStringLiteral("SELECT COUNT(*) FROM MMMARK WHERE NENDO = 9999")));
    EXPECT_EQ(scalar(dm().ACN2, QStringLiteral("SELECT COUNT(*) FROM MKIGYOU2 WHERE KCO = 2")), 1);
}
