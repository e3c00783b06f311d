#include "platform/ColorNames.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct Standard {
    const char16_t* name;
    quint32 value;   // 0x00BBGGRR
};

const Standard kStandard[] = {
    {u"clBlack", 0x000000},     {u"clMaroon", 0x000080},     {u"clGreen", 0x008000},
    {u"clOlive", 0x008080},     {u"clNavy", 0x800000},       {u"clPurple", 0x800080},
    {u"clTeal", 0x808000},      {u"clGray", 0x808080},       {u"clSilver", 0xC0C0C0},
    {u"clRed", 0x0000FF},       {u"clLime", 0x00FF00},       {u"clYellow", 0x00FFFF},
    {u"clBlue", 0xFF0000},      {u"clFuchsia", 0xFF00FF},    {u"clAqua", 0xFFFF00},
    {u"clWhite", 0xFFFFFF},     {u"clMoneyGreen", 0xC0DCC0}, {u"clSkyBlue", 0xF0CAA6},
    {u"clCream", 0xF0FBFF},     {u"clMedGray", 0xA4A0A0},
};

} // namespace

TEST(ColorNames, ValueKeepsRedInTheLowByte)
{
    EXPECT_EQ(colorValue(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    const QColor c = colorFromValue(0x00563412);
    EXPECT_EQ(c.red(), 0x12);
    EXPECT_EQ(c.green(), 0x34);
    EXPECT_EQ(c.blue(), 0x56);
    // Only the colour is stored: alpha and the high byte of a value play no part.
    EXPECT_EQ(colorValue(QColor(0x12, 0x34, 0x56, 0x80)), 0x00563412u);
    EXPECT_EQ(colorValue(colorFromValue(0xFF563412)), 0x00563412u);
}

TEST(ColorNames, StandardColoursAreWrittenAndReadByName)
{
    for (const Standard& s : kStandard) {
        const QString name = QString::fromUtf16(s.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(colorToText(colorFromValue(s.value)), name);

        for (const QString& spelling : {name, name.toLower(), name.toUpper()}) {
            bool ok = false;
            EXPECT_EQ(colorValue(colorFromText(spelling, &ok)), s.value) << spelling.toStdString();
            EXPECT_TRUE(ok) << spelling.toStdString();
        }
        // The numeric forms of a standard colour read the same.
        bool ok = false;
        EXPECT_EQ(colorValue(colorFromText(QStringLiteral("$%1").arg(s.value, 8, 16, QChar(u'0')), &ok)), s.value);
        EXPECT_TRUE(ok);
    }
}

TEST(ColorNames, OtherColoursAreWrittenAsEightHexDigits)
{
    const struct {
        quint32 value;
        const char16_t* text;
    } cases[] = {
        {0x00C08040, u"$00C08040"},
        {0x000001, u"$00000001"},     // one step from clBlack
        {0xFFFFFE, u"$00FFFFFE"},     // one step from clWhite
        {0xF0CAA7, u"$00F0CAA7"},     // one step from clSkyBlue
        {0xABCDEF, u"$00ABCDEF"},     // upper-case digits
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(colorToText(colorFromValue(c.value)), text);
        bool ok = false;
        EXPECT_EQ(colorValue(colorFromText(text, &ok)), c.value) << text.toStdString();
        EXPECT_TRUE(ok);
    }
}

TEST(ColorNames, ReadsNumbersAndEmptyText)
{
    const struct {
        const char16_t* text;
        quint32 value;
    } cases[] = {
        {u"", 0x000000},
        {u"$c08040", 0xC08040},      // lower case, fewer than eight digits
        {u"$FF", 0x0000FF},
        {u"255", 0x0000FF},          // decimal: red
        {u"16711680", 0xFF0000},     // decimal: blue
        {u"0", 0x000000},
        {u"  clRed ", 0x0000FF},     // blanks around the text
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        bool ok = false;
        EXPECT_EQ(colorValue(colorFromText(text, &ok)), c.value) << text.toStdString();
        EXPECT_TRUE(ok) << text.toStdString();
    }
    // The default argument reads without a flag.
    EXPECT_EQ(colorValue(colorFromText(QStringLiteral("clLime"))), 0x00FF00u);
}

TEST(ColorNames, UnreadableTextIsBlackAndNotOk)
{
    const char16_t* cases[] = {
        u"red", u"clNoSuchColour", u"cl", u"$", u"$GG0000", u"$123456789", u"$-1", u"$+FF",
        u"12abc", u"#FF0000", u"0x00FF00", u"1.5", u"99999999999",
    };
    for (const char16_t* c : cases) {
        const QString text = QString::fromUtf16(c);
        bool ok = true;
        EXPECT_EQ(colorValue(colorFromText(text, &ok)), 0u) << text.toStdString();
        EXPECT_FALSE(ok) << text.toStdString();
    }
}
