#include "app/SharedRoutines.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

namespace {

std::string s(const QString& q) { return q.toStdString(); }

const QStringList kItems = {QStringLiteral("1 : 営業"), QStringLiteral("3 : 製造"), QStringLiteral("10 : 管理"),
                            QStringLiteral("0 : なし")};

} // namespace

TEST(SharedCodeList, CheckCodeTextDecides)
{
    struct Case {
        const char* typed;
        bool required, mustExist, zeroForbidden;
        bool accepted;
        int code;
        int index;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"3 something", true, true, false, true, 3, 1, "3 : 製造", ""},
        {"3 : 製造", true, true, false, true, 3, 1, "3 : 製造", ""},
        {"03", true, true, false, true, 3, 1, "3 : 製造", ""},
        {"1", true, true, false, true, 1, 0, "1 : 営業", ""},   // not "10 : 管理"
        {"10", true, true, false, true, 10, 2, "10 : 管理", ""},
        {"7", true, true, false, false, 7, -1, "", "存在しないコードです。"},
        {"7", true, false, false, true, 7, -1, "7 : 未登録", ""},
        {"", true, true, false, false, 0, -1, "", "数値を入力して下さい。"},
        {"", false, true, false, true, 0, -1, "", ""},
        {"abc", false, false, false, false, 0, -1, "", "数値を入力して下さい。"},
        {"-1", true, false, false, false, 0, -1, "", "数値を入力して下さい。"},
        {"0", true, true, true, false, 0, -1, "", "０は入力できません。"},
        {"0", true, true, false, true, 0, 3, "0 : なし", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed '") + c.typed + "' required " + std::to_string(c.required) + " must exist "
                     + std::to_string(c.mustExist) + " zero forbidden " + std::to_string(c.zeroForbidden));
        const app::CodeCheck r = app::checkCodeText(kItems, QString::fromUtf8(c.typed), c.required, c.mustExist,
                                                    c.zeroForbidden);
        EXPECT_EQ(r.accepted, c.accepted);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.index, c.index);
        EXPECT_EQ(s(r.text), c.text);
        EXPECT_EQ(s(r.message), c.message);
    }
}

TEST(SharedCodeList, StoredCodeChoosesItsItem)
{
    struct Case {
        const char* codeText;
        bool zeroMeansNone;
        const char* text;
        int index;
    };
    const Case cases[] = {
        {"3", true, "3 : 製造", 1},
        {"3 : old name", true, "3 : 製造", 1},
        {"0", true, "", -1},
        {"0", false, "0 : なし", 3},
        {"", false, "", -1},
        {"8", true, "8 : 未登録", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codeText);
        const app::CodeChoice r = app::chooseCodeItem(kItems, QString::fromUtf8(c.codeText), c.zeroMeansNone);
        EXPECT_EQ(s(r.text), c.text);
        EXPECT_EQ(r.index, c.index);
    }
}

TEST(SharedCodeList, SplitsCodeAndName)
{
    auto r = app::splitCodeText(QStringLiteral("12 : 名前"));
    EXPECT_EQ(s(r.code), "12");
    EXPECT_EQ(s(r.name), "名前");
    r = app::splitCodeText(QStringLiteral("12"));
    EXPECT_EQ(s(r.code), "12");
    EXPECT_EQ(s(r.name), "");
    r = app::splitCodeText(QStringLiteral("1 : a : b"));
    EXPECT_EQ(s(r.code), "1");
    EXPECT_EQ(s(r.name), "a : b");
    r = app::splitCodeText(QStringLiteral("5 : ") + QString(150, u'名'));
    EXPECT_EQ(r.name, QString(100, u'名'));

    EXPECT_EQ(s(app::itemCode(QStringLiteral("12 : 名前"))), "12");
    EXPECT_EQ(s(app::itemName(QStringLiteral("12 : 名前"))), "名前");
    EXPECT_EQ(s(app::itemName(QStringLiteral("なし"))), "なし");
}

TEST(SharedCodeList, CheckedInListMatchesNothingWhenNoneIsChecked)
{
    EXPECT_EQ(s(app::CheckedInList(std::vector<bool>{})), " IN(99999)");
    EXPECT_EQ(s(app::CheckedInList({false, false})), " IN(99999)");
    EXPECT_EQ(s(app::CheckedInList({true, false, true})), " IN(1,3)");
    EXPECT_EQ(s(app::CheckedInList({false, true})), " IN(2)");
}

TEST(SharedCodeList, FlagStrings)
{
    EXPECT_EQ(app::statesFromFlags(QStringLiteral("101"), 4), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(app::statesFromFlags(QStringLiteral("1x1"), 3), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(app::statesFromFlags(QStringLiteral("111111111"), 2), (std::vector<bool>{true, true}));
    EXPECT_EQ(s(app::flagsFromStates({false, true, true, false})), "0110");
    EXPECT_EQ(app::firstChecked({}), 0);
    EXPECT_EQ(app::firstChecked({false, false, true, true}), 2);
    EXPECT_EQ(app::firstChecked({false, false}), 0);
}

TEST(SharedCodeList, LineStylesAndItemTexts)
{
    EXPECT_EQ(app::lineStyleItems().size(), 6);
    EXPECT_EQ(s(app::lineStyleItem(3)), "3 : 一点鎖線");
    EXPECT_EQ(s(app::lineStyleItem(7)), "5 : なし");
    EXPECT_EQ(s(app::lineStyleItem(-1)), "0 : 実線");

    TestHome home(false);
    auto& st = home.dm().state;
    st.CurrentCompany.TK[1] = QStringLiteral("主任");
    st.CompanyMarks[0].mark = QStringLiteral("●");
    st.CompanyMarks[0].legend = QStringLiteral("営業");
    EXPECT_EQ(s(app::GradeItemText(2)), "2 : 主任");
    EXPECT_EQ(s(app::GradeItemText(0)), "");
    EXPECT_EQ(s(app::GradeItemText(10)), "");
    EXPECT_EQ(s(app::MarkItemText(1)), "1 : ●  営業");
    EXPECT_EQ(s(app::MarkItemText(10)), "");
}
