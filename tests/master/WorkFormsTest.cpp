#include "MasterFixture.h"
#include "master/TfrmSalaryName.h"
#include "master/WorkForms.h"

#include <QPushButton>

namespace {

TEST(MasterWorkForms, TheIdIsTheTypedNumberElseTheChosenEntry)
{
    EXPECT_EQ(master::workFormId(QStringLiteral("3"), 1), 3);
    EXPECT_EQ(master::workFormId(QStringLiteral("2 : パート"), 2), 2);
    EXPECT_EQ(master::workFormId(QStringLiteral("2 : パート"), 0), 0);
    EXPECT_EQ(master::workFormId(QString(), 0), 0);
}

TEST(MasterWorkForms, ChecksBeforeSaving)
{
    auto input = [](int id, const QString& name) {
        master::WorkFormInput in;
        in.id = id;
        in.name = name;
        return in;
    };
    struct Case {
        master::WorkFormInput in;
        int field;
        QString message;
    } cases[] = {
        {input(0, QStringLiteral("正社員")), 0, QStringLiteral("IDは1～4で入力して下さい。")},
        {input(5, QStringLiteral("正社員")), 0, QStringLiteral("IDは1～4で入力して下さい。")},
        {input(1, QStringLiteral("   ")), 1, QStringLiteral("就労形態を入力して下さい。")},
        {input(1, QStringLiteral(" 　")), 1, QStringLiteral("就労形態を入力して下さい。")},   // full-width blank too
        {input(1, QStringLiteral("正社員正社員正社員正社員正社員正社員正社員")), 1, QStringLiteral("入力範囲外です。")},
    };
    for (const Case& c : cases) {
        const auto refusal = master::checkWorkForm(c.in);
        ASSERT_TRUE(refusal.has_value()) << s(c.in.name);
        EXPECT_EQ(refusal->field, c.field) << s(c.in.name);
        EXPECT_EQ(refusal->message, c.message) << s(c.in.name);
    }
    master::WorkFormInput in = input(4, QStringLiteral("嘱託"));
    in.teate[4] = QStringLiteral("𠮷手当");
    const auto refusal = master::checkWorkForm(in);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, 10);
    EXPECT_EQ(refusal->message, QStringLiteral("「𠮷」はShift-JIS(CP932)で書けない文字です。"));
    in.teate[4] = QStringLiteral("髙手当");   // in CP932's extensions
    EXPECT_FALSE(master::checkWorkForm(in).has_value());
}

class MasterWorkFormScreen : public MasterTest {
protected:
    void SetUp() override
    {
        MasterTest::SetUp();
        screen = std::make_unique<master::TfrmSalaryName>(dm());
        screen->Prepare();
        showActive(screen.get());
    }
    qint64 rows(int id)
    {
        return count2(QStringLiteral("select count(*) from SALARYNAME where KCO = 1 and NENDO = 2020 and SALARYID = ")
                      + QString::number(id));
    }
    QStringList entries()
    {
        QStringList out;
        for (int i = 0; i < screen->cmbSalaryID->count(); ++i)
            out << screen->cmbSalaryID->itemText(i);
        return out;
    }
    std::unique_ptr<master::TfrmSalaryName> screen;
};

TEST_F(MasterWorkFormScreen, AnIdOutsideOneToFourIsRefused)
{
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("就労形態＆賃金形態の登録"));
    EXPECT_FALSE(screen->btnDlt->isEnabled());
    for (const char* id : {"5", "0"}) {
        home.dialogs.clear();
        typeAndTab(screen->cmbSalaryID, QString::fromUtf8(id));
        EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("IDは1～4で入力して下さい。")}) << id;
        EXPECT_TRUE(focused(screen->cmbSalaryID)) << id;
    }
    home.dialogs.clear();
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("IDは1～4で入力して下さい。")});
    EXPECT_EQ(count2(QStringLiteral("select count(*) from SALARYNAME")), 0);
}

TEST_F(MasterWorkFormScreen, SavingTwiceKeepsOneRowAndTheListShowsIt)
{
    typeAndTab(screen->cmbSalaryID, QStringLiteral("2"));
    EXPECT_TRUE(focused(screen->txtName));
    typeAndTab(screen->txtName, QStringLiteral("パート"));
    typeAndTab(screen->txtKihon[0], QStringLiteral("時間給"));
    EXPECT_TRUE(screen->changed());
    screen->btnAdd->click();
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
    EXPECT_EQ(rows(2), 1);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("2 : パート")});
    EXPECT_TRUE(screen->txtName->text().isEmpty()) << "the boxes are cleared after a save";
    EXPECT_FALSE(screen->changed());

    typeAndTab(screen->cmbSalaryID, QStringLiteral("2"));
    EXPECT_EQ(screen->cmbSalaryID->currentText(), QStringLiteral("2 : パート"));
    EXPECT_EQ(screen->txtKihon[0]->text(), QStringLiteral("時間給"));
    EXPECT_TRUE(screen->btnDlt->isEnabled());
    typeAndTab(screen->txtName, QStringLiteral("パートタイマー"));
    screen->btnAdd->click();
    EXPECT_EQ(rows(2), 1) << "the old row is deleted first";
    EXPECT_EQ(textAt(dm().ACN2, QStringLiteral("select KIHON1 from SALARYNAME where SALARYID = 2")), QStringLiteral("時間給"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("2 : パートタイマー")});
}

TEST_F(MasterWorkFormScreen, ANameOfBlanksOrOutsideCp932IsNotSaved)
{
    typeAndTab(screen->cmbSalaryID, QStringLiteral("1"));
    typeAndTab(screen->txtName, QStringLiteral("   "));
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("就労形態を入力して下さい。")});
    home.dialogs.clear();
    typeAndTab(screen->txtName, QStringLiteral("𠮷野家"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("「𠮷」はShift-JIS(CP932)で書けない文字です。")});
    EXPECT_TRUE(focused(screen->txtName));
    home.dialogs.clear();
    screen->btnAdd->click();
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("「𠮷」はShift-JIS(CP932)で書けない文字です。")})
        << "saving checks the field it stands in";
    EXPECT_EQ(rows(1), 0);
}

TEST_F(MasterWorkFormScreen, DeleteAsksAndCloseAsksOnlyAfterAChange)
{
    typeAndTab(screen->cmbSalaryID, QStringLiteral("1"));
    typeAndTab(screen->txtName, QStringLiteral("正社員"));
    screen->btnAdd->click();
    typeAndTab(screen->cmbSalaryID, QStringLiteral("1"));

    home.dialogs.answer(false);
    screen->btnDlt->click();
    EXPECT_EQ(rows(1), 1) << "No keeps it";
    home.dialogs.answer(true);
    screen->btnDlt->click();
    EXPECT_EQ(rows(1), 0);
    EXPECT_TRUE(entries().isEmpty());
    ASSERT_EQ(home.dialogs.log.size(), 2u);
    EXPECT_EQ(home.dialogs.log[1].text, QStringLiteral("表示ﾃﾞｰﾀを削除してもいいですか？"));
    EXPECT_EQ(home.dialogs.log[1].caption, QStringLiteral("確認"));

    home.dialogs.clear();
    typeAndTab(screen->cmbSalaryID, QStringLiteral("3"));
    typeAndTab(screen->txtTeigi, QStringLiteral("月給制"));
    home.dialogs.answer(true);
    screen->btnClose->click();
    EXPECT_EQ(home.dialogs.texts(),
              QStringList{QStringLiteral("ﾃﾞｰﾀが変更されています。\r【はい】:戻ります。\r【いいえ】:画面を閉じます。")});
    EXPECT_TRUE(screen->isVisible());
    screen->btnCancel->click();
    EXPECT_FALSE(screen->changed());
    screen->btnClose->click();
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(MasterWorkFormScreen, TabFromTheLastAllowanceGoesBackToTheName)
{
    screen->txtTeate[4]->setFocus();
    QApplication::processEvents();
    QTest::keyClick(screen->txtTeate[4], Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(focused(screen->txtName));
}

} // namespace
