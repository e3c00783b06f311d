#include "app/SharedRoutines.h"
#include "platform/Dialogs.h"
#include "support/TestHome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
std::string s(const QString& q) { return q.toStdString(); }
}

TEST(SharedNumbers, RoundWageRoundsHalvesAwayFromZero)
{
    struct Case {
        int mode;
        double x;
        qint64 expected;
    };
    const Case cases[] = {
        {0, 12345, 12350}, {1, 12345, 12300}, {2, 12500, 13000}, {0, -15, -20},
        {0, 14.999, 10},   {0, 15, 20},       {1, 150, 200},     {1, -150, -200},
        {1, 149.9, 100},   {2, -1500, -2000}, {2, 1499, 1000},   {7, 499, 0},   // any other mode: thousands
        {0, 0, 0},
        {0, 201999.99999997, 202000},   // the floating-point result of a raise percentage
        {0, std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::RoundWage(c.mode, c.x), c.expected) << "mode " << c.mode << " x " << c.x;
}

TEST(SharedNumbers, RoundToDigitsKeepsDigitsMinusOneDecimals)
{
    struct Case {
        int digits;
        double x;
        double expected;
    };
    const Case cases[] = {
        {1, 2.5, 3},
        {1, -2.5, -3},
        {3, 1.2345, 1.23},
        {2, 0.25, 0.3},
        {0, 1234.5, 1230},     // digits 0: tens
        {-1, 1250, 1300},      // digits -1: hundreds
        {1, 0, 0},
        {6, 123456789012345.6, 123456789012345},   // scaled beyond 64 bits: the integer part
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(app::RoundToDigits(c.digits, c.x), c.expected) << "digits " << c.digits << " x " << c.x;
}

TEST(SharedNumbers, PowerOfGivesZeroForZeroBaseAndOverflow)
{
    struct Case {
        double base;
        double exponent;
        double expected;
    };
    const Case cases[] = {
        {2, 10, 1024}, {4, 0.5, 2}, {2, -1, 0.5}, {0, 3, 0},
        {0, -1, 0},            // would be infinite
        {10, 400, 0},          // overflow
        {-8, 1.0 / 3, 0},      // no real result
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(app::PowerOf(c.base, c.exponent), c.expected) << c.base << " ^ " << c.exponent;
}

TEST(SharedNumbers, ValueConversionsAreNullSafe)
{
    const QVariant null;
    EXPECT_EQ(s(app::VarToStrZero(null)), "0");
    EXPECT_EQ(s(app::VarToStrZero(QString())), "0");
    EXPECT_EQ(s(app::VarToStrZero(QStringLiteral("abc"))), "abc");
    EXPECT_EQ(s(app::VarToStrZero(QVariant(12.0))), "12");
    EXPECT_EQ(s(app::VarToStrEmpty(null)), "");
    EXPECT_EQ(s(app::VarToStrEmpty(QVariant(qint64(7)))), "7");

    struct IntCase {
        QVariant v;
        qint64 expected;
    };
    const IntCase ints[] = {
        {null, 0},
        {QStringLiteral("1,234"), 1234},
        {QStringLiteral(""), 0},
        {QStringLiteral("abc"), 0},
        {QStringLiteral("-3"), -3},
        {QStringLiteral("12.5"), 12},   // halves to even, as every integer read
        {QVariant(qint64(9876543210)), 9876543210},
        {QVariant(2.5), 2},
    };
    for (const IntCase& c : ints)
        EXPECT_EQ(app::VarToIntSafe(c.v), c.expected) << c.v.toString().toStdString();

    EXPECT_DOUBLE_EQ(app::VarToFloatSafe(QStringLiteral("1,234.5")), 1234.5);
    EXPECT_DOUBLE_EQ(app::VarToFloatSafe(QStringLiteral("x")), 0);
    EXPECT_DOUBLE_EQ(app::VarToFloatSafe(null), 0);
    EXPECT_DOUBLE_EQ(app::VarToFloatSafe(QVariant(qint64(3))), 3);
}

TEST(SharedNumbers, WholeNumbersAreStrict)
{
    EXPECT_EQ(app::parseWholeNumber(QStringLiteral(" 42 ")), 42);
    EXPECT_EQ(app::parseWholeNumber(QStringLiteral("-7")), -7);
    EXPECT_EQ(app::parseWholeNumber(QStringLiteral("+7")), 7);
    for (const char* bad : {"", "-", "1.0", "1e3", "12a", "１２", "99999999999999999999", "1 2"})
        EXPECT_FALSE(app::parseWholeNumber(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(SharedNumbers, FormatNumberFollowsThePicture)
{
    struct Case {
        const char* format;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0", 0, "0"},
        {"#,##0", -1234, "-1,234"},
        {"#,##0", 999.5, "1,000"},
        {"0.0", 2.25, "2.3"},
        {"#,##0.##", 1234.5, "1,234.5"},
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#", 0, ""},
        {"0", -0.4, "0"},          // no "-0"
        {"000", 7, "007"},
        {"#,##0円", 1500, "1,500円"},
        {"", 12.5, "12.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s(app::formatNumber(QString::fromUtf8(c.format), c.value)), c.expected) << c.format << " " << c.value;
}

TEST(SharedNumbers, NthFieldCountsFromOne)
{
    const QString text = QStringLiteral("a,b,,d");
    EXPECT_EQ(s(app::NthField(text, u',', 1)), "a");
    EXPECT_EQ(s(app::NthField(text, u',', 3)), "");
    EXPECT_EQ(s(app::NthField(text, u',', 4)), "d");
    EXPECT_EQ(s(app::NthField(text, u',', 5)), "");
    EXPECT_EQ(s(app::NthField(text, u',', 0)), "");
}

TEST(SharedNumbers, ParseIntInputReportsWhatItCannotRead)
{
    TestHome home(false);
    qint64 v = -1;
    EXPECT_TRUE(app::ParseIntInput(QStringLiteral("1,234"), v));
    EXPECT_EQ(v, 1234);
    EXPECT_TRUE(home.dialogs.texts().isEmpty());

    v = -1;
    EXPECT_FALSE(app::ParseIntInput(QStringLiteral("12a"), v));
    EXPECT_EQ(v, -1) << "the value is left alone";
    EXPECT_FALSE(app::ParseIntInput(QString(), v));
    ASSERT_EQ(home.dialogs.log.size(), 2u);
    EXPECT_EQ(s(home.dialogs.log[0].text), "数値の入力エラーです。");
    EXPECT_EQ(home.dialogs.log[0].caption, platform::appTitle());
}

TEST(SharedNumbers, IntegerFieldCheck)
{
    struct Case {
        const char* text;
        int maxLength;
        const char* format;
        qint64 min, max;
        bool accepted;
        const char* message;
        const char* newText;
    };
    const char* notNumber = "数値を入力してください。";
    const char* outOfRange = "入力範囲外です。";
    const Case cases[] = {
        {"1,234", 6, "#,##0", 0, 0, true, "", "1,234"},
        {"1234", 6, "#,##0", 0, 0, true, "", "1,234"},
        {"1234", 6, "", 0, 0, true, "", ""},
        {"abc", 6, "", 0, 0, false, notNumber, ""},
        {"", 6, "", 0, 0, false, notNumber, ""},
        {"12.5", 6, "", 0, 0, false, notNumber, ""},
        {"1234567", 6, "", 0, 0, false, outOfRange, ""},
        {"1,234,567", 7, "", 0, 0, true, "", ""},   // separators do not count
        {"150", 3, "", 1, 100, false, outOfRange, ""},
        {"0", 3, "", 1, 100, false, outOfRange, ""},
        {"100", 3, "", 1, 100, true, "", ""},
        {"-5", 3, "", 0, 0, true, "", ""},          // no bounds when both are 0
        {"-5", 3, "", -10, 0, true, "", ""},
        {"-11", 3, "", -10, 0, false, outOfRange, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const app::FieldCheck r = app::checkIntText(QString::fromUtf8(c.text), c.maxLength,
                                                    QString::fromUtf8(c.format), c.min, c.max);
        EXPECT_EQ(r.accepted, c.accepted);
        EXPECT_EQ(s(r.message), c.message);
        EXPECT_EQ(s(r.text), c.newText);
    }
}

TEST(SharedNumbers, DecimalFieldCheck)
{
    auto r = app::checkFloatText(QStringLiteral("1,234.5"), 10, QStringLiteral("#,##0.0"));
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(s(r.text), "1,234.5");
    r = app::checkFloatText(QStringLiteral("1.2.3"), 10, QString());
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(s(r.message), "数値を入力してください。");
    r = app::checkFloatText(QStringLiteral("123.456"), 5, QString());
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(s(r.message), "入力範囲外です。");
}
