// The standard cost of living without its screen: the list, loading a code, the checks of a save,
// replacing and deleting a table, and a save that fails half way.

#include "YardstickFixture.h"
#include "yardstick/CostOfLiving.h"

#include <gtest/gtest.h>

namespace {

using namespace yardstick;
using yardfixture::scalar;

QString q(const char* text) { return QString::fromUtf8(text); }

HouseholdTexts h(const char* size, const char* age, const char* cost, const char* comfort, const char* minimum,
                 const char* single)
{
    return {q(size), q(age), q(cost), q(comfort), q(minimum), q(single)};
}

// Two households (1,200 and 258 thousand yen) and four empty rows with their prefilled sizes.
CostOfLivingTexts goodTexts(int code)
{
    CostOfLivingTexts t;
    t.code = code;
    t.rows[0] = h("1", "25", "1,200", "1.20", "0.80", "0.60");
    t.rows[1] = h("4", "40", "258", "1.25", "0.75", "0.00");
    for (int i = 2; i < kHouseholdRows; ++i)
        t.rows[size_t(i)] = {QString::number(i + 1), q("0"), q("0"), q("0.00"), q("0.00"), q("0.00")};
    t.multiplier = QStringLiteral("1.050");
    t.source = QStringLiteral("人事院「標準生計費」");
    t.area = QStringLiteral("全国");
    t.surveyTime = QStringLiteral("2020年4月");
    t.note = QStringLiteral("世帯人員別");
    return t;
}

CostOfLivingTable tableOf(const CostOfLivingTexts& t)
{
    const CostOfLivingInput in = readCostOfLiving(t);
    EXPECT_TRUE(in.table.has_value()) << in.refusal.message.toStdString();
    return in.table.value_or(CostOfLivingTable{});
}

TEST(CostOfLiving, RoundTripOfATwoDigitCode)
{
    TestHome home;
    yardfixture::emptyYear(home);
    data::TFDM& dm = home.dm();

    ASSERT_TRUE(saveCostOfLiving(dm, tableOf(goodTexts(12))));
    // Only the households with an age, a cost or a rate are stored; the cost as a whole number.
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MSEIKEI WHERE SKCO = 12")), 2);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT SEIKEIHI FROM MSEIKEI WHERE SKCO = 12 AND SNIN = 1")), 1200);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT KCO * 10000 + NENDO FROM MSEIKEI WHERE SNIN = 4")), 12020);

    QStringList list;
    ASSERT_TRUE(costOfLivingList(dm, list));
    EXPECT_EQ(list, QStringList{QStringLiteral("12 : 人事院「標準生計費」")});

    const auto t = loadCostOfLiving(dm, 12);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->code, 12);
    EXPECT_EQ(t->rows[0].cost, 1200);
    EXPECT_DOUBLE_EQ(t->rows[0].comfort, 1.2);
    EXPECT_EQ(t->rows[1].size, 4);
    EXPECT_EQ(t->rows[1].age, 40);
    EXPECT_DOUBLE_EQ(t->rows[1].minimum, 0.75);
    EXPECT_DOUBLE_EQ(t->multiplier, 1.05);
    EXPECT_EQ(t->surveyTime, QStringLiteral("2020年4月"));
    // The rows after the last loaded one are numbered on from its size.
    for (int i = 2; i < kHouseholdRows; ++i) {
        EXPECT_EQ(t->rows[size_t(i)].size, 4 + i - 1);
        EXPECT_FALSE(t->rows[size_t(i)].stored());
    }

    EXPECT_FALSE(loadCostOfLiving(dm, 1).has_value());
    ASSERT_TRUE(deleteCostOfLiving(dm, 12));
    EXPECT_FALSE(loadCostOfLiving(dm, 12).has_value());
    ASSERT_TRUE(costOfLivingList(dm, list));
    EXPECT_TRUE(list.isEmpty());
    home.expectNoUnexpected();
}

TEST(CostOfLiving, SavingReplacesEveryRowOfTheCodeWhoeverSavedThem)
{
    TestHome home;
    yardfixture::emptyYear(home);
    data::TFDM& dm = home.dm();
    // Company 7 saved code 3 with five households; code 4 is someone else's table.
    for (int code : {3, 4})
        for (int i = 1; i <= (code == 3 ? 5 : 2); ++i) {
            data::TSEIKEI_ r;
            r.KCO = QStringLiteral("7");
            r.NENDO = QStringLiteral("2020");
            r.SKCO = QString::number(code);
            r.SNIN = i;
            r.SNENREI = 20 + i;
            r.SEIKEIHI = 100 + i;
            ASSERT_TRUE(data::Insert(dm.ACN2, dm.Query21, true, r));
        }
    CostOfLivingTexts t = goodTexts(3);
    t.rows[1] = h("2", "0", "0", "0", "0", "0");
    ASSERT_TRUE(saveCostOfLiving(dm, tableOf(t)));
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MSEIKEI WHERE SKCO = 3")), 1);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT KCO FROM MSEIKEI WHERE SKCO = 3")), 1);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MSEIKEI WHERE SKCO = 4")), 2);

    QStringList list;
    ASSERT_TRUE(costOfLivingList(dm, list));
    EXPECT_EQ(list.size(), 2);
    EXPECT_TRUE(list[0].startsWith(QStringLiteral("3 : ")));
}

TEST(CostOfLiving, RefusalsNameTheFieldAndTheMessage)
{
    const QString number = QStringLiteral("数値を入力してください。");
    const QString range = QStringLiteral("入力範囲外です。");
    struct Case {
        const char* name;
        std::function<void(CostOfLivingTexts&)> change;
        LivingField field;
        int row;
        QString message;
    };
    const Case cases[] = {
        {"no code", [](auto& t) { t.code = 0; }, LivingField::Code, 0, QStringLiteral("生計費コードが入力されていません。")},
        {"letters in a size", [](auto& t) { t.rows[0].size = q("a"); }, LivingField::Size, 0, number},
        {"size of 100", [](auto& t) { t.rows[3].size = q("100"); }, LivingField::Size, 3, range},
        {"age of four digits", [](auto& t) { t.rows[1].age = q("1000"); }, LivingField::Age, 1, range},
        {"negative age", [](auto& t) { t.rows[1].age = q("-40"); }, LivingField::Age, 1, range},
        {"cost of nine digits", [](auto& t) { t.rows[0].cost = q("123456789"); }, LivingField::Cost, 0, range},
        {"cost with letters", [](auto& t) { t.rows[0].cost = q("1,2a"); }, LivingField::Cost, 0, number},
        {"rate too large", [](auto& t) { t.rows[1].comfort = q("123456"); }, LivingField::Comfort, 1, range},
        {"negative rate", [](auto& t) { t.rows[1].minimum = q("-1"); }, LivingField::Minimum, 1, range},
        {"rate as text", [](auto& t) { t.rows[5].single = q("x"); }, LivingField::Single, 5, number},
        {"multiplier of 100", [](auto& t) { t.multiplier = q("100"); }, LivingField::Multiplier, 0, range},
        {"source over 30 characters", [](auto& t) { t.source = QString(31, QChar(u'あ')); }, LivingField::Source, 0, range},
        {"age without size", [](auto& t) { t.rows[2] = h("0", "30", "0", "0", "0", "0"); }, LivingField::Size, 2,
         QStringLiteral("世帯人員が入力されていません。")},
        {"rate without size", [](auto& t) { t.rows[4] = h("0", "0", "0", "0", "0.5", "0"); }, LivingField::Size, 4,
         QStringLiteral("世帯人員が入力されていません。")},
        {"same size and age twice", [](auto& t) { t.rows[3] = h("4", "40", "300", "0", "0", "0"); }, LivingField::Age, 1,
         QStringLiteral("世帯人員，年齢が重複しています。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CostOfLivingTexts t = goodTexts(5);
        c.change(t);
        const CostOfLivingInput in = readCostOfLiving(t);
        ASSERT_FALSE(in.table.has_value());
        EXPECT_EQ(in.refusal.field, c.field);
        EXPECT_EQ(in.refusal.row, c.row);
        EXPECT_EQ(in.refusal.message, c.message);
    }

    // A character the files cannot hold is refused with its own message.
    CostOfLivingTexts t = goodTexts(5);
    t.area = QStringLiteral("𠮷野");
    const CostOfLivingInput in = readCostOfLiving(t);
    ASSERT_FALSE(in.table.has_value());
    EXPECT_EQ(in.refusal.field, LivingField::Area);
    EXPECT_TRUE(in.refusal.message.contains(QStringLiteral("CP932")));

    // The same size with age 0 twice is no duplicate; both rows are stored.
    t = goodTexts(5);
    t.rows[2] = h("4", "0", "100", "0", "0", "0");
    t.rows[3] = h("4", "0", "120", "0", "0", "0");
    const CostOfLivingInput twice = readCostOfLiving(t);
    ASSERT_TRUE(twice.table.has_value());
    EXPECT_TRUE(twice.table->rows[3].stored());
}

TEST(CostOfLiving, ASaveThatFailsHalfWayKeepsTheOldTable)
{
    TestHome home;
    yardfixture::emptyYear(home);
    data::TFDM& dm = home.dm();
    ASSERT_TRUE(saveCostOfLiving(dm, tableOf(goodTexts(8))));
    // The second household of the new table cannot be written.
    data::Query trigger(dm.ACN2);
    trigger.setSql(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON MSEIKEI WHEN NEW.SNENREI = 99 "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    ASSERT_GE(trigger.exec(), 0);
    CostOfLivingTexts t = goodTexts(8);
    t.rows[0].cost = q("999");
    t.rows[1].age = q("99");
    EXPECT_FALSE(saveCostOfLiving(dm, tableOf(t)));
    EXPECT_FALSE(home.dialogs.log.empty());   // the database error box

    const auto old = loadCostOfLiving(dm, 8);
    ASSERT_TRUE(old.has_value());
    EXPECT_EQ(old->rows[0].cost, 1200);
    EXPECT_EQ(old->rows[1].age, 40);
    EXPECT_EQ(scalar(dm.ACN2, QStringLiteral("SELECT COUNT(*) FROM MSEIKEI")), 2);
}

} // namespace
