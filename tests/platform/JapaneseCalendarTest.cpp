#include "platform/JapaneseCalendar.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(JapaneseCalendar, EraBoundaries)
{
    const struct {
        QDate date;
        const char16_t* era;
        int year;
        const char16_t* text;
    } cases[] = {
        {QDate(1868, 9, 8), u"明治", 1, u"明治010908"},
        {QDate(1912, 7, 29), u"明治", 45, u"明治450729"},
        {QDate(1912, 7, 30), u"大正", 1, u"大正010730"},
        {QDate(1926, 12, 24), u"大正", 15, u"大正151224"},
        {QDate(1926, 12, 25), u"昭和", 1, u"昭和011225"},
        {QDate(1927, 1, 1), u"昭和", 2, u"昭和020101"},
        {QDate(1989, 1, 7), u"昭和", 64, u"昭和640107"},
        {QDate(1989, 1, 8), u"平成", 1, u"平成010108"},
        {QDate(2000, 2, 29), u"平成", 12, u"平成120229"},
        {QDate(2019, 4, 30), u"平成", 31, u"平成310430"},
        {QDate(2019, 5, 1), u"令和", 1, u"令和010501"},
        {QDate(2020, 1, 1), u"令和", 2, u"令和020101"},
        {QDate(2024, 12, 31), u"令和", 6, u"令和061231"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.toString(Qt::ISODate).toStdString());
        const auto era = japaneseEra(c.date);
        ASSERT_TRUE(era.has_value());
        EXPECT_EQ(era->eraName, QString::fromUtf16(c.era));
        EXPECT_EQ(era->eraYear, c.year);
        EXPECT_EQ(era->month, c.date.month());
        EXPECT_EQ(era->day, c.date.day());
        EXPECT_EQ(eraDateText(c.date), QString::fromUtf16(c.text));
    }
}

TEST(JapaneseCalendar, NoEraForInvalidOrEarlierDates)
{
    const QDate cases[] = {
        QDate(),
        QDate(2023, 2, 29),    // not a day
        QDate(1868, 9, 7),     // the day before 明治
        QDate(1600, 1, 1),
    };
    for (const QDate& d : cases) {
        EXPECT_FALSE(japaneseEra(d).has_value()) << d.toString(Qt::ISODate).toStdString();
        EXPECT_TRUE(eraDateText(d).isEmpty());
    }
}
