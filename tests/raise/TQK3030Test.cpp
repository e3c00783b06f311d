// The annual update screen offscreen: the year and company boxes with their checks, the run and its
// messages, through the scripted dialogs.

#include "RaiseFixture.h"
#include "raise/TQK3030.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace fixture;

namespace {

const QString kDone = QStringLiteral("年次更新が終了しました。");
const QString kNumber = QStringLiteral("数値を入力してください。");
const QString kRange = QStringLiteral("入力範囲外です。");

QStringList items(QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class AnnualUpdateScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        buildCompany(home, {employee(1, 2019, 1)});
        data::AppState& st = home.dm().state;
        st.CompanyOpen = 1;
        st.CurrentKco = 1;
        st.CurrentNendo = 2019;
        screen = std::make_unique<salary::TQK3030>(home.dm());
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }
    void TearDown() override
    {
        screen.reset();
        home.expectNoUnexpected();
    }

    // Types text into the year box and leaves it with Tab, as the user does.
    void typeYear(const QString& text)
    {
        screen->cmbNendo->setFocus();
        screen->cmbNendo->lineEdit()->clear();
        QTest::keyClicks(screen->cmbNendo->lineEdit(), text);
        QTest::keyClick(screen->cmbNendo, Qt::Key_Tab);
    }
    void run(const QString& year, const QString& company)
    {
        screen->cmbNendo->setEditText(year);
        screen->cmbCorpName->setEditText(company);
        screen->btnAdd->click();
    }
    qint64 registeredIn2020() { return Probe(home.dm().controlDatabasePath()).scalar(QStringLiteral("SELECT count(*) FROM MKIGYOU1 WHERE NENDO = 2020")); }

    TestHome home;
    std::unique_ptr<salary::TQK3030> screen;
};

} // namespace

TEST_F(AnnualUpdateScreen, OpensOnTheOpenCompanyOfTheOpenYear)
{
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("年次更新"));
    EXPECT_EQ(screen->cmbNendo->currentText(), QStringLiteral("2019"));
    EXPECT_EQ(items(screen->cmbCorpName), (QStringList{QStringLiteral("1 : 甲製作所"), QStringLiteral("2 : 乙商店")}));
    EXPECT_EQ(screen->cmbCorpName->currentText(), QStringLiteral("1 : 甲製作所"));
}

TEST_F(AnnualUpdateScreen, LeavingTheYearChecksItAndListsItsCompanies)
{
    struct Case {
        const char* typed;
        QString message;   // empty: accepted
        QStringList companies;
    } const cases[] = {
        {"", kNumber, {}},
        {"abc", kNumber, {}},
        {"0", kNumber, {}},
        {"-5", kRange, {}},
        {"99999", kRange, {}},
        {"2018", {}, {QStringLiteral("1 : 甲製作所")}},
        {"2019", {}, {QStringLiteral("1 : 甲製作所"), QStringLiteral("2 : 乙商店")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        home.dialogs.clear();
        typeYear(QString::fromUtf8(c.typed));
        EXPECT_EQ(home.dialogs.texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        EXPECT_EQ(items(screen->cmbCorpName), c.companies);
        if (!c.message.isEmpty())
            QTRY_VERIFY(screen->cmbNendo->hasFocus());
    }
    EXPECT_EQ(registeredIn2020(), 0);
}

TEST_F(AnnualUpdateScreen, RunRollsTheChosenCompanyOverOnce)
{
    run(QStringLiteral("2019"), QStringLiteral("1"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{kDone});
    EXPECT_EQ(Probe(home.dm().yearDatabasePath(2020)).scalar(QStringLiteral("SELECT count(*) FROM MSYAIN1 WHERE KCO = 1 AND NENDO = 2020")), 1);

    home.dialogs.clear();
    run(QStringLiteral("2019"), QStringLiteral("1"));
    EXPECT_EQ(home.dialogs.texts(),
              QStringList{QStringLiteral("既にデータが存在します。企業データ　を削除してから、再度年次更新を行ってください。")});
    EXPECT_EQ(registeredIn2020(), 1);
}

TEST_F(AnnualUpdateScreen, RunRefusesBadYearsAndCompanies)
{
    data::TKigyo1_ lonely = registry(5, 2019, QStringLiteral("設定なし"));
    ASSERT_TRUE(data::Insert(home.dm().ACN1, home.dm().Query1, true, lonely));
    struct Case {
        const char* year;
        const char* company;
        QString message;
    } const cases[] = {
        {"", "1", kNumber},
        {"x", "1", kNumber},
        {"0", "1", kNumber},
        {"-2019", "1", kRange},
        {"99999", "1", kRange},
        {"2019", "", QStringLiteral("数値を入力して下さい。")},
        {"2019", "abc", QStringLiteral("数値を入力して下さい。")},
        {"2019", "0", QStringLiteral("０は入力できません。")},
        {"2019", "9", QStringLiteral("存在しないコードです。")},
        {"2019", "5", QStringLiteral("指定した年度の企業データが存在しません。年度と企業名を確認してください。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.year) + " / " + c.company);
        home.dialogs.clear();
        run(QString::fromUtf8(c.year), QString::fromUtf8(c.company));
        EXPECT_EQ(home.dialogs.texts(), QStringList{c.message});
    }
    EXPECT_EQ(registeredIn2020(), 0);
    EXPECT_FALSE(QFileInfo::exists(home.dm().yearDatabasePath(2020)));
}

TEST_F(AnnualUpdateScreen, TheCompanyIsOneOfTheYearTypedEvenWithoutLeavingTheYearBox)
{
    // The list shows 2019; the user types 2018 and runs at once: company 2 exists only in 2019.
    run(QStringLiteral("2018"), QStringLiteral("2 : 乙商店"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{QStringLiteral("存在しないコードです。")});
    home.dialogs.clear();
    // Text after the code is ignored.
    run(QStringLiteral("2019"), QStringLiteral("2 何でも"));
    EXPECT_EQ(home.dialogs.texts(), QStringList{kDone});
    EXPECT_EQ(registeredIn2020(), 1);
}

TEST_F(AnnualUpdateScreen, AFailedRunShowsTheErrorAndNotTheClosingMessage)
{
    {
        Probe p(home.dm().templatePath());
        ASSERT_TRUE(p.c.executeRaw(QStringLiteral(
            "CREATE TRIGGER reject AFTER INSERT ON MSYAIN1 BEGIN SELECT RAISE(ABORT, 'rejected'); END")));
    }
    run(QStringLiteral("2019"), QStringLiteral("1"));
    ASSERT_EQ(home.dialogs.texts().size(), 1);
    EXPECT_TRUE(home.dialogs.texts()[0].startsWith(QStringLiteral("SQLITE_CONSTRAINT"))) << s(home.dialogs.texts()[0]);
    EXPECT_EQ(registeredIn2020(), 0);
}

TEST_F(AnnualUpdateScreen, CloseClosesWithoutAsking)
{
    screen->btnClose->click();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(home.dialogs.texts().isEmpty());
}
