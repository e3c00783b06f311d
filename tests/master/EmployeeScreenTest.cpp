#include "MasterFixture.h"
#include "master/EmployeeListModel.h"
#include "master/TQK0030.h"
#include "master/WorkForms.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

namespace {

class MasterEmployeeScreen : public MasterTest {
protected:
    void SetUp() override
    {
        MasterTest::SetUp();
        master::WorkFormInput form;
        form.id = 1;
        form.name = QStringLiteral("正社員");
        form.kihon = {QStringLiteral("職能給"), QStringLiteral("年齢給"), QString()};
        form.teate = {QStringLiteral("役職手当"), QStringLiteral("家族手当"), QString(), QString(), QString()};
        ASSERT_TRUE(master::saveWorkForm(dm(), form));
        ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral(
            "insert into MHYOUKA values (1, 2020, 0, 1, 'S', 3), (1, 2020, 0, 2, 'A', 2), (1, 2020, 0, 3, 'B', 1)")));
    }
    void TearDown() override
    {
        screen.reset();
        MasterTest::TearDown();
    }
    void open()
    {
        screen = std::make_unique<master::TQK0030>(dm());
        screen->Prepare();
        showActive(screen.get());
    }
    data::TSyain_ employee(int code, const QString& name, int grade = 1)
    {
        data::TSyain_ e;
        e.KCO = QStringLiteral("1");
        e.NENDO = QStringLiteral("2020");
        e.SCO = QString::number(code);
        e.SCOT = QStringLiteral("N") + QString::number(code);
        e.SNA = name;
        e.SEIHI = 19800101;
        e.NYUHI = 20050401;
        e.TCO = e.TOUKYU = grade;
        e.KKYU1 = 200000;
        e.NKKYU1 = 204000;
        e.TEATE1 = 10000;
        e.NTEATE1 = 10000;
        return e;
    }
    void insert(data::TSyain_ e) { ASSERT_TRUE(data::InsertSyain(dm().ACN2, dm().Query22, e)); }
    qint64 column(const char* table, const char* column, int code)
    {
        return count2(QStringLiteral("select ") + QString::fromUtf8(column) + QStringLiteral(" from ")
                      + QString::fromUtf8(table) + QStringLiteral(" where KCO = 1 and NENDO = 2020 and SCO = ")
                      + QString::number(code));
    }
    qint64 rows(const char* table) { return count2(QStringLiteral("select count(*) from ") + QString::fromUtf8(table)); }
    QString cell(int row, int col) { return screen->listModel()->index(row, col - 1).data().toString(); }

    std::unique_ptr<master::TQK0030> screen;
};

// ---------------------------------------------------------------- register

TEST_F(MasterEmployeeScreen, AnEmployeeEnteredWithEraDatesReadsBackWithItsTotalsAgeAndService)
{
    state().EraDisplay = 1;
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("社員データ"));
    EXPECT_EQ(screen->size(), QSize(777, 566));
    EXPECT_EQ(screen->listModel()->rowCount(), 1) << "one empty row";
    EXPECT_TRUE(screen->txtLastNo->text().isEmpty());
    EXPECT_TRUE(screen->cmbSeiNengou->isVisible());

    typeAndTab(screen->cmbWorker, QStringLiteral("101"));
    EXPECT_EQ(screen->cmbWorker->currentText(), QStringLiteral("101"));
    EXPECT_TRUE(screen->btnAdd->isEnabled());
    typeAndTab(screen->txtWorkerNo, QStringLiteral("A-101"));
    typeAndTab(screen->txtWorkName, QStringLiteral("山田花子"));
    screen->OptSex2->click();
    const std::pair<QWidget*, const char*> basics[] = {
        {screen->cmbSeiNengou, "昭和"}, {screen->txtSeiyy, "60"},   {screen->txtSeimm, "4"},   {screen->txtSeidd, "15"},
        {screen->cmbNyuNengou, "平成"}, {screen->txtNyuyy, "20"},   {screen->txtNyumm, "4"},   {screen->txtNyudd, "1"},
        {screen->cmbSikaku, "3"},       {screen->txtGouhou, "25"},  {screen->cmbHyouka1, "2"}, {screen->cmbMark, "1"},
    };
    for (const auto& [field, text] : basics)
        typeAndTab(field, QString::fromUtf8(text));
    screen->cmbMibun->setFocus();
    QTest::keyClick(screen->cmbMibun, Qt::Key_Down);
    EXPECT_EQ(screen->cmbMibun->currentText(), QStringLiteral("1 : 正社員"));
    EXPECT_EQ(screen->labKihon[0]->text(), QStringLiteral("職能給")) << "the work form names the pay items";
    EXPECT_EQ(screen->labTeate[1]->text(), QStringLiteral("家族手当"));
    EXPECT_EQ(screen->cmbSikaku->currentText(), QStringLiteral("3 : 第３等級"));

    screen->PageControl->setCurrentIndex(1);
    const std::pair<QWidget*, const char*> pay[] = {
        {screen->txtKihon[0], "200000"},    {screen->txtKihon[1], "50,000"},   {screen->txtAFKihon[0], "205000"},
        {screen->txtAFKihon[1], "51000"},   {screen->txtTeate[0], "10000"},    {screen->txtAFTeate[0], "12000"},
        {screen->txtBonus1, "400000"},      {screen->txtBonus2, "450000"},     {screen->txtTaisyokuKin, "1.25"},
    };
    for (const auto& [field, text] : pay)
        typeAndTab(field, QString::fromUtf8(text));
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(home.dialogs.texts().join(u'|'));
    EXPECT_EQ(screen->txtKihon[0]->text(), QStringLiteral("200,000"));
    EXPECT_EQ(screen->txtTaisyokuKin->text(), QStringLiteral("1.250"));
    const std::pair<QLineEdit*, const char*> totals[] = {
        {screen->txtKihonSum, "250,000"}, {screen->txtAFKihonSum, "256,000"}, {screen->txtUpKihon, "6,000"},
        {screen->txtTeateSum, "10,000"},  {screen->txtAFTeateSum, "12,000"},  {screen->txtTeateUP, "2,000"},
        {screen->txtSyotei, "260,000"},   {screen->txtAFSyotei, "268,000"},   {screen->txtNensyu, "3,970,000"},
        {screen->txtAFNensyu, "4,066,000"},
    };
    for (const auto& [box, text] : totals)
        EXPECT_EQ(box->text(), QString::fromUtf8(text)) << s(box->objectName());
    EXPECT_EQ(state().DataChanged, 1);

    screen->btnAdd->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << s(home.dialogs.texts().join(u'|'));
    EXPECT_EQ(rows("MSYAIN1"), 1);
    EXPECT_EQ(rows("MSYAIN2"), 1);
    const std::pair<const char*, qint64> stored[] = {
        {"SEIHI", 19850415}, {"NYUHI", 20080401}, {"NENREI", 35},     {"KINZOKU", 12},    {"TCO", 3},
        {"SKCO", 0},         {"JISEKI", 0},       {"MCO", 1},         {"NENSYU", 3970000},
    };
    for (const auto& [name, value] : stored)
        EXPECT_EQ(column("MSYAIN1", name, 101), value) << name;
    const std::pair<const char*, qint64> stored2[] = {
        {"SEIBETSU", 1},  {"TOUKYU", 3},       {"GOUHOU", 25},      {"SM1", 1},        {"HCO", 2},
        {"KKYU2", 50000}, {"NKKYU1", 205000},  {"UPK", 6000},       {"UPT", 2000},     {"SYOTEI", 260000},
        {"NSYOTEI", 268000}, {"NNENSYU", 4066000}, {"SYOUYO2", 450000}, {"FITNO", 0},
    };
    for (const auto& [name, value] : stored2)
        EXPECT_EQ(column("MSYAIN2", name, 101), value) << name;
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select SRITSU from MSYAIN1")), QStringLiteral("1.25"));

    // The screen now shows the new employee from the list.
    EXPECT_EQ(screen->txtCureentNo->text(), QStringLiteral("1"));
    EXPECT_EQ(screen->txtLastNo->text(), QStringLiteral("1"));
    EXPECT_EQ(screen->txtWorker->text(), QStringLiteral("山田花子"));
    EXPECT_FALSE(screen->btnAdd->isEnabled());
    EXPECT_TRUE(screen->btnMnt->isEnabled());
    EXPECT_EQ(state().DataChanged, 0);
    EXPECT_EQ(cell(0, 4), QStringLiteral("35"));
    EXPECT_EQ(cell(0, 7), QStringLiteral("A"));

    // Opened again, it reads back as entered.
    open();
    EXPECT_EQ(screen->cmbSeiNengou->currentText(), QStringLiteral("昭和"));
    EXPECT_EQ(screen->txtSeiyy->text(), QStringLiteral("60"));
    EXPECT_EQ(screen->txtNyuyy->text(), QStringLiteral("20"));
    EXPECT_TRUE(screen->OptSex2->isChecked());
    EXPECT_EQ(screen->cmbHyouka1->currentText(), QStringLiteral("2 : A"));
    EXPECT_EQ(screen->cmbMark->currentText(), QStringLiteral("1 : ●  営業部"));
    EXPECT_EQ(screen->txtAFNensyu->text(), QStringLiteral("4,066,000"));
    EXPECT_EQ(screen->txtTaisyokuKin->text(), QStringLiteral("1.250"));
    EXPECT_EQ(screen->txtJikankyu->text(), QStringLiteral("1,625")) << "260,000 yen over 160 hours";
    EXPECT_TRUE(screen->btnAdd->isEnabled()) << "after opening all three are enabled";
}

TEST_F(MasterEmployeeScreen, FieldsRefuseWrongInputWithTheirMessages)
{
    open();
    const QString cp932 = QStringLiteral("「𠮷」はShift-JIS(CP932)で書けない文字です。");
    struct Case {
        int tab;
        QWidget* field;
        const char* typed;
        QString message;
        const char* repair;
    } cases[] = {
        {0, screen->cmbWorker, "abc", QStringLiteral("数値を入力して下さい。"), ""},
        {0, screen->cmbWorker, "0", QStringLiteral("０は入力できません。"), ""},
        {0, screen->txtWorkName, "𠮷田", cp932, "吉田"},
        {0, screen->txtSeiyy, "1985", QStringLiteral("入力範囲外です。"), "85"},
        {0, screen->txtSeimm, "13", QStringLiteral("入力範囲外です。"), "4"},
        {0, screen->txtSeidd, "32", QStringLiteral("入力範囲外です。"), "1"},
        {0, screen->txtNyumm, "四", QStringLiteral("数値を入力してください。"), "4"},
        {0, screen->cmbSikaku, "10", QStringLiteral("存在しないコードです。"), "1"},
        {0, screen->cmbSikaku, "x", QStringLiteral("数値を入力して下さい。"), "1"},
        {0, screen->txtGouhou, "301", QStringLiteral("入力範囲外です。"), "300"},
        {0, screen->txtKeikenNen, "1a", QStringLiteral("数値を入力してください。"), "3"},
        {0, screen->cmbMark, "0 : なし", QStringLiteral("存在しないコードです。"), "2"},
        {1, screen->txtKihon[2], "12a", QStringLiteral("数値を入力してください。"), "0"},
        {1, screen->txtAFTeate[4], "123456789", QStringLiteral("入力範囲外です。"), "12345678"},
        {1, screen->txtTaisyokuKin, "x", QStringLiteral("数値を入力してください。"), "0"},
        {2, screen->txtUPKin[0], "1O0", QStringLiteral("数値を入力してください。"), "100"},
    };
    for (const Case& c : cases) {
        home.dialogs.clear();
        screen->PageControl->setCurrentIndex(c.tab);
        typeAndTab(c.field, QString::fromUtf8(c.typed));
        EXPECT_EQ(home.dialogs.texts(), QStringList{c.message}) << c.typed;
        EXPECT_TRUE(focused(c.field)) << c.typed << ": the focus stays";
        home.dialogs.clear();
        typeAndTab(c.field, QString::fromUtf8(c.repair));
        EXPECT_TRUE(home.dialogs.texts().isEmpty()) << c.repair << " " << s(home.dialogs.texts().join(u'|'));
    }
    EXPECT_EQ(screen->txtAFTeate[4]->text(), QStringLiteral("12,345,678"));

    // This year's evaluation says so but lets the user go on.
    home.dialogs.clear();
    screen->PageControl->setCurrentIndex(0);
    typeAndTab(screen->cmbHyouka1, QStringLiteral("9"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("存在しないコードです。")});
    EXPECT_FALSE(focused(screen->cmbHyouka1));
    EXPECT_EQ(screen->cmbHyouka1->currentText(), QStringLiteral("9"));
}

TEST_F(MasterEmployeeScreen, NothingIsStoredAfterARefusedInput)
{
    open();
    typeAndTab(screen->cmbWorker, QStringLiteral("55"));
    typeAndTab(screen->txtWorkName, QStringLiteral("木村"));

    // An amount refused when it is left is refused again by the save.
    screen->PageControl->setCurrentIndex(1);
    typeAndTab(screen->txtKihon[0], QStringLiteral("12a"));
    home.dialogs.clear();
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("数値を入力してください。")});
    typeAndTab(screen->txtKihon[0], QStringLiteral("180000"));

    struct Case {
        const char* name;
        QLineEdit* year;
        QLineEdit* month;
        QLineEdit* day;
        const char* date[3];
        QString message;
        QWidget* focus;
    } cases[] = {
        {"31 February", screen->txtSeiyy, screen->txtSeimm, screen->txtSeidd, {"85", "2", "31"},
         QStringLiteral("生年月日の入力エラーです。"), screen->txtSeiyy},
        {"29 February 2001", screen->txtNyuyy, screen->txtNyumm, screen->txtNyudd, {"01", "2", "29"},
         QStringLiteral("入社日の入力エラーです。"), screen->txtNyuyy},
        {"30 February 2000", screen->txtTouyy, screen->txtToumm, screen->txtToudd, {"0", "2", "30"},
         QStringLiteral("登用日の入力エラーです。"), screen->txtTouyy},
    };
    for (const Case& c : cases) {
        screen->PageControl->setCurrentIndex(0);
        typeAndTab(c.year, QString::fromUtf8(c.date[0]));
        typeAndTab(c.month, QString::fromUtf8(c.date[1]));
        typeAndTab(c.day, QString::fromUtf8(c.date[2]));
        home.dialogs.clear();
        screen->PageControl->setCurrentIndex(1);
        screen->btnAdd->click();
        EXPECT_EQ(home.dialogs.texts(), QStringList{c.message}) << c.name;
        EXPECT_EQ(screen->PageControl->currentIndex(), 0) << c.name;
        EXPECT_TRUE(focused(c.focus)) << c.name;
        typeAndTab(c.year, QStringLiteral("0"));
        typeAndTab(c.month, QStringLiteral("0"));
        typeAndTab(c.day, QStringLiteral("0"));
    }

    screen->txtWorkName->clear();
    home.dialogs.clear();
    screen->PageControl->setCurrentIndex(2);
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("氏名は必ず入力してください。")});
    EXPECT_EQ(screen->PageControl->currentIndex(), 0);
    EXPECT_TRUE(focused(screen->txtWorkName));

    EXPECT_EQ(rows("MSYAIN1"), 0);
    EXPECT_EQ(rows("MSYAIN2"), 0);
}

TEST_F(MasterEmployeeScreen, ACodeOfAnotherGradeIsNewInTheFilteredListButExistsForTheYear)
{
    insert(employee(5, QStringLiteral("一郎"), 3));
    insert(employee(6, QStringLiteral("二郎"), 5));
    insert(employee(7, QStringLiteral("三郎"), 3));
    open();
    EXPECT_EQ(screen->listModel()->count(), 3);
    screen->OptTokyu[3]->click();
    ASSERT_EQ(screen->listModel()->count(), 2);
    EXPECT_EQ(cell(1, 3), QStringLiteral("三郎"));
    EXPECT_EQ(screen->txtWorker->text(), QStringLiteral("一郎")) << "the first of the grade is shown";
    EXPECT_EQ(screen->txtLastNo->text(), QStringLiteral("2"));

    typeAndTab(screen->cmbWorker, QStringLiteral("6"));
    EXPECT_TRUE(screen->txtWorkName->text().isEmpty()) << "treated as a new employee";
    EXPECT_TRUE(screen->btnAdd->isEnabled());
    typeAndTab(screen->txtWorkName, QStringLiteral("別人"));
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(),
              QStringList{QStringLiteral("データは既に存在します。更新する場合は、修正ボタン　を押下して下さい。")});
    EXPECT_TRUE(focused(screen->txtWorkerNo));
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select SNA from MSYAIN1 where SCO = 6")), QStringLiteral("二郎"));
    EXPECT_EQ(rows("MSYAIN2"), 3);

    // With a change pending the filter does not move.
    home.dialogs.clear();
    screen->OptTokyu[0]->click();
    EXPECT_EQ(home.dialogs.texts(),
              QStringList{QStringLiteral("ﾃﾞｰﾀが変更されています。変更する場合は、登録・修正 ボタン　を、変更しない場合は、"
                                         "キャンセル ボタン　を押して下さい。")});
    EXPECT_EQ(screen->listModel()->count(), 2);
    EXPECT_TRUE(screen->OptTokyu[3]->isChecked());
    screen->btnCansel->click();
    screen->OptTokyu[0]->click();
    EXPECT_EQ(screen->listModel()->count(), 3);
}

TEST_F(MasterEmployeeScreen, ANewEmployeeStartsWithoutTheOptimalWageOfTheOneShownBefore)
{
    data::TSyain_ e = employee(3, QStringLiteral("高橋"));
    e.FITNO = 3;
    e.FITKIN = 250000;
    e.FITJITSU = 240000;
    e.SAVENO = 1;
    insert(e);
    open();
    ASSERT_FALSE(screen->txtFitKin->text().isEmpty());
    typeAndTab(screen->cmbWorker, QStringLiteral("50"));
    EXPECT_TRUE(screen->txtFitKin->text().isEmpty());
    EXPECT_TRUE(screen->txtWariai->text().isEmpty());
    typeAndTab(screen->txtWorkName, QStringLiteral("新人"));
    screen->PageControl->setCurrentIndex(2);
    typeAndTab(screen->txtUPKin[0], QStringLiteral("4000"));
    screen->btnAdd->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(column("MSYAIN2", "FITNO", 50), 0);
    EXPECT_EQ(column("MSYAIN2", "SAVENO", 50), 0);
    EXPECT_EQ(column("MSYAIN2", "UPKIN1", 50), 4000);
}

// A write that fails half-way (here the second table refuses) leaves both tables as they were.
TEST_F(MasterEmployeeScreen, SavingWritesBothRowsOrNeither)
{
    insert(employee(1, QStringLiteral("伊藤")));
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral(
        "create trigger refuse_insert before insert on MSYAIN2 begin select raise(abort, 'refused'); end;"
        "create trigger refuse_update before update on MSYAIN2 begin select raise(abort, 'refused'); end;")));
    open();
    typeAndTab(screen->txtWorkName, QStringLiteral("伊東"));
    screen->btnMnt->click();
    ASSERT_EQ(home.dialogs.log.size(), 1u) << "the database error box";
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select SNA from MSYAIN1 where SCO = 1")), QStringLiteral("伊藤"));
    EXPECT_EQ(screen->txtWorkName->text(), QStringLiteral("伊東")) << "the input stays for another try";

    home.dialogs.clear();
    typeAndTab(screen->cmbWorker, QStringLiteral("2"));
    typeAndTab(screen->txtWorkName, QStringLiteral("加藤"));
    screen->btnAdd->click();
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(rows("MSYAIN1"), 1) << "no first part without its second";
    EXPECT_EQ(rows("MSYAIN2"), 1);
}

// ---------------------------------------------------------------- change and delete

TEST_F(MasterEmployeeScreen, ChangeKeepsWhatTheScreenDoesNotShow)
{
    data::TSyain_ e = employee(3, QStringLiteral("高橋"));
    e.SRITSU = 1.25;
    e.FITNO = 3;
    e.FITNAME = QStringLiteral("基本給");
    e.FITKIN = 250000;
    e.FITJITSU = 240000;
    e.SAVENO = 1;
    e.SAVEKIN = 199000;
    e.NGOUHOU = 14;
    insert(e);
    open();
    EXPECT_EQ(screen->labFitNo->text(), QStringLiteral("基本給"));
    EXPECT_EQ(screen->txtFitKin->text(), QStringLiteral("250,000"));
    EXPECT_EQ(screen->txtZansa->text(), QStringLiteral("-10,000"));
    EXPECT_EQ(screen->txtWariai->text(), QStringLiteral("-4.00%"));
    EXPECT_EQ(screen->txtTeateUP->text(), QStringLiteral("0"));

    screen->PageControl->setCurrentIndex(1);
    typeAndTab(screen->txtAFTeate[0], QStringLiteral("13,500"));
    EXPECT_EQ(screen->txtTeateUP->text(), QStringLiteral("3,500")) << "the difference of the two allowance totals";
    screen->btnMnt->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(column("MSYAIN2", "NTEATE1", 3), 13500);
    EXPECT_EQ(column("MSYAIN2", "UPT", 3), 3500);
    EXPECT_EQ(column("MSYAIN2", "FITNO", 3), 3);
    EXPECT_EQ(column("MSYAIN2", "SAVEKIN", 3), 199000);
    EXPECT_EQ(column("MSYAIN2", "NGOUHOU", 3), 14);
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select SRITSU from MSYAIN1")), QStringLiteral("1.25"));
    EXPECT_EQ(screen->txtTaisyokuKin->text(), QStringLiteral("1.250"));
    EXPECT_EQ(state().DataChanged, 0);
    EXPECT_FALSE(screen->btnAdd->isEnabled());
}

TEST_F(MasterEmployeeScreen, DeleteAsksThenRemovesBothRows)
{
    insert(employee(1, QStringLiteral("伊藤")));
    insert(employee(2, QStringLiteral("渡辺")));
    open();
    home.dialogs.answer(false);
    screen->btnDlt->click();
    ASSERT_EQ(home.dialogs.log.size(), 1u);
    EXPECT_EQ(home.dialogs.log[0].text, QStringLiteral("ﾃﾞｰﾀを削除しますか？\r【はい】:削除します。\r【いいえ】:戻ります。"));
    EXPECT_EQ(home.dialogs.log[0].caption, QStringLiteral("削除確認"));
    EXPECT_EQ(rows("MSYAIN1"), 2);

    home.dialogs.answer(true);
    screen->btnDlt->click();
    EXPECT_EQ(column("MSYAIN1", "count(*)", 1), 0);
    EXPECT_EQ(column("MSYAIN2", "count(*)", 1), 0);
    EXPECT_EQ(rows("MSYAIN2"), 1);
    EXPECT_EQ(screen->listModel()->count(), 1);
    EXPECT_TRUE(screen->cmbWorker->currentText().isEmpty()) << "the screen is cleared";
    EXPECT_TRUE(screen->txtWorkName->text().isEmpty());

    home.dialogs.clear();
    screen->btnDlt->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("社員コードが入力されていません。")});
    EXPECT_TRUE(focused(screen->cmbWorker));
}

// ---------------------------------------------------------------- the list

TEST_F(MasterEmployeeScreen, MovingAwayFromAChangedEmployeeAsksFirst)
{
    for (int code = 1; code <= 3; ++code)
        insert(employee(code, QStringLiteral("社員") + QString::number(code)));
    open();
    EXPECT_EQ(screen->listPosition(), 1);
    EXPECT_EQ(screen->txtCureentNo->text(), QStringLiteral("1"));
    EXPECT_EQ(screen->txtLastNo->text(), QStringLiteral("3"));
    screen->btnBack->click();
    EXPECT_EQ(screen->listPosition(), 1) << "nothing before the first";

    struct Case {
        QPushButton* button;
        const char* third;
        int position;   // where No leads from the second employee
    } cases[] = {
        {screen->btnFirst, "【いいえ】:最初のデータ　へ。", 1},
        {screen->btnBack, "【いいえ】:前のデータ　へ。", 1},
        {screen->btnNext, "【いいえ】:次のデータ　へ。", 3},
        {screen->btnLast, "【いいえ】:最後のデータ　へ。", 3},
    };
    for (const Case& c : cases) {
        screen->gridClick(1);
        ASSERT_EQ(screen->txtWorker->text(), QStringLiteral("社員2"));
        typeAndTab(screen->txtYakusyoku, QStringLiteral("課長"));
        ASSERT_EQ(state().DataChanged, 1);
        home.dialogs.clear();
        home.dialogs.answer(true);
        c.button->click();
        EXPECT_EQ(home.dialogs.texts(),
                  QStringList{QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r") + QString::fromUtf8(c.third)});
        EXPECT_EQ(home.dialogs.log.back().caption, QStringLiteral("確認"));
        EXPECT_EQ(screen->listPosition(), 2) << c.third << ": Yes stays";
        EXPECT_EQ(screen->txtYakusyoku->text(), QStringLiteral("課長")) << "and keeps the changed value";
        home.dialogs.answer(false);
        c.button->click();
        EXPECT_EQ(screen->listPosition(), c.position) << c.third;
        EXPECT_TRUE(screen->txtYakusyoku->text().isEmpty()) << "the stored employee shown";
        EXPECT_EQ(state().DataChanged, 0);
    }
    home.dialogs.clear();
    screen->btnNext->click();
    screen->btnLast->click();
    EXPECT_EQ(screen->listPosition(), 3) << "nothing after the last";
    EXPECT_TRUE(home.dialogs.texts().isEmpty());

    typeAndTab(screen->txtYakusyoku, QStringLiteral("部長"));
    home.dialogs.answer(true);
    screen->btnClose->click();
    EXPECT_EQ(home.dialogs.texts(),
              QStringList{QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。")});
    EXPECT_TRUE(screen->isVisible());
    home.dialogs.answer(false);
    screen->btnClose->click();
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(MasterEmployeeScreen, AnEmptyYearShowsOneEmptyRowAndTheButtonsDoNothing)
{
    open();
    EXPECT_EQ(screen->listModel()->rowCount(), 1);
    EXPECT_TRUE(cell(0, 1).isEmpty());
    EXPECT_TRUE(screen->txtCureentNo->text().isEmpty());
    typeAndTab(screen->txtYakusyoku, QStringLiteral("係長"));
    ASSERT_EQ(state().DataChanged, 1);
    for (QPushButton* b : {screen->btnFirst, screen->btnBack, screen->btnNext, screen->btnLast})
        b->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty()) << "no question either";
    EXPECT_EQ(screen->listPosition(), 0);
    screen->gridClick(0);
    EXPECT_EQ(screen->txtYakusyoku->text(), QStringLiteral("係長"));
}

TEST_F(MasterEmployeeScreen, AnEmployeeWithoutNumberShowsNoAgeInTheList)
{
    data::TSyain_ e = employee(8, QStringLiteral("無番号"));
    e.SCOT.clear();
    e.NENREI = 40;
    insert(e);
    open();
    EXPECT_EQ(cell(0, 4), QStringLiteral("0"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("0"));
    EXPECT_EQ(column("MSYAIN1", "NENREI", 8), 40);
}

// ---------------------------------------------------------------- photo and wage table

TEST_F(MasterEmployeeScreen, APhotoFromOutsideThePictureFolderIsRefused)
{
    const QString pictures = home.path() + QStringLiteral("Picture/");
    ASSERT_TRUE(QDir().mkpath(pictures));
    ASSERT_TRUE(QDir().mkpath(home.path() + QStringLiteral("Other")));
    QImage photo(60, 80, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(pictures + QStringLiteral("p1.jpg")));
    ASSERT_TRUE(photo.save(pictures + QStringLiteral("p2.jpg")));
    ASSERT_TRUE(photo.save(home.path() + QStringLiteral("Other/x.jpg")));
    data::TSyain_ e = employee(4, QStringLiteral("中村"));
    e.SPATH = QStringLiteral("p1.jpg");
    insert(e);
    open();
    ASSERT_FALSE(screen->Image1->pixmap().isNull());

    home.dialogs.answerFile(pictures + QStringLiteral("../Other/x.jpg"));
    screen->btnPicter->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("フォルダが変更されました。表示されたフォルダ内で選択して下さい。")});
    EXPECT_EQ(home.dialogs.log[0].kind, platform::MessageKind::Warning);
    EXPECT_FALSE(screen->Image1->pixmap().isNull()) << "the old photo stays on the screen";
    EXPECT_TRUE(screen->pictureName().isEmpty());
    EXPECT_EQ(state().DataChanged, 0);
    screen->btnMnt->click();
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select SPATH from MSYAIN2")), QString()) << "stored without photo name";

    home.dialogs.clear();
    home.dialogs.answerFile(pictures + QStringLiteral("p2.jpg"));
    screen->btnPicter->click();
    EXPECT_EQ(screen->pictureName(), QStringLiteral("p2.jpg"));
    EXPECT_EQ(state().DataChanged, 1);
    screen->btnMnt->click();
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select SPATH from MSYAIN2")), QStringLiteral("p2.jpg"));

    home.dialogs.answerFile(QString());   // cancelled
    screen->btnPicter->click();
    EXPECT_TRUE(screen->Image1->pixmap().isNull()) << "cancelling removes the photo";
    EXPECT_EQ(state().DataChanged, 1);
}

TEST_F(MasterEmployeeScreen, TheWageTableFillsTheLinkedAfterRaiseBox)
{
    ASSERT_TRUE(dm().ACN2.executeRaw(QStringLiteral(
        "insert into MCHINGIN values (1, 2020, 1, 9, 60, 0, 0, 0, '職能給表', 0, 0, 0, 0, 0);"
        "insert into DCHINGIN2 (KCO, NENDO, SKCO, GOUHOU, KIN2) values (1, 2020, 1, 11, 181200);"
        "insert into MHYOUKA values (1, 2020, 1, 1, 'SS', 5)")));
    data::TSyain_ e = employee(9, QStringLiteral("小林"), 2);
    e.SKCO = 1;
    e.JISEKI = 2;
    e.GOUHOU = 10;
    e.NGOUHOU = 11;
    e.NKKYU2 = 0;
    e.HCO = 1;
    insert(e);
    open();
    QLineEdit* linked = screen->txtAFKihon[1];
    EXPECT_EQ(linked->text(), QStringLiteral("181,200"));
    EXPECT_TRUE(linked->isReadOnly());
    EXPECT_EQ(linked->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(screen->txtAFKihon[0]->palette().color(QPalette::Base), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(screen->cmbHyouka1->currentText(), QStringLiteral("1 : SS")) << "the evaluations of the wage table";

    screen->PageControl->setCurrentIndex(1);
    screen->txtAFKihon[0]->setFocus();
    QTest::keyClick(screen->txtAFKihon[0], Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(focused(screen->txtAFKihon[2])) << "Tab passes the linked box by";

    screen->btnMnt->click();
    EXPECT_EQ(column("MSYAIN2", "NKKYU2", 9), 181200);
    EXPECT_EQ(column("MSYAIN1", "SKCO", 9), 1);
    EXPECT_EQ(column("MSYAIN1", "JISEKI", 9), 2);
}

} // namespace
