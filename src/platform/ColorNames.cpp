#include "platform/ColorNames.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace platform {

namespace {

struct NamedColor {
    const char16_t* name;
    quint32 value;   // 0x00BBGGRR
};

constexpr std::array<NamedColor, 20> kStandardColors{{
    {u"clBlack", 0x000000},     {u"clMaroon", 0x000080},  {u"clGreen", 0x008000},
    {u"clOlive", 0x008080},     {u"clNavy", 0x800000},    {u"clPurple", 0x800080},
    {u"clTeal", 0x808000},      {u"clGray", 0x808080},    {u"clSilver", 0xC0C0C0},
    {u"clRed", 0x0000FF},       {u"clLime", 0x00FF00},    {u"clYellow", 0x00FFFF},
    {u"clBlue", 0xFF0000},      {u"clFuchsia", 0xFF00FF}, {u"clAqua", 0xFFFF00},
    {u"clWhite", 0xFFFFFF},     {u"clMoneyGreen", 0xC0DCC0}, {u"clSkyBlue", 0xF0CAA6},
    {u"clCream", 0xF0FBFF},     {u"clMedGray", 0xA4A0A0},
}};

bool isHexDigit(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

quint32 colorValue(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

QColor colorFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString colorToText(const QColor& color)
{
    const quint32 value = colorValue(color);
    for (const NamedColor& c : kStandardColors)
        if (c.value == value)
            return QString::fromUtf16(c.name);
    return u'$' + QStringLiteral("%1").arg(value, 8, 16, QChar(u'0')).toUpper();
}

QColor colorFromText(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    bool good = true;
    quint32 value = 0;
    if (t.isEmpty()) {
        value = 0;
    } else if (t.startsWith(u'$')) {
        // One to eight digits: the stored value is 32 bits.
        const QStringView digits = QStringView(t).mid(1);
        good = !digits.isEmpty() && digits.size() <= 8
               && std::all_of(digits.begin(), digits.end(), [](QChar ch) { return isHexDigit(ch); });
        if (good)
            value = digits.toUInt(nullptr, 16);
    } else if (t.startsWith(QStringLiteral("cl"), Qt::CaseInsensitive)) {
        good = false;
        for (const NamedColor& c : kStandardColors) {
            if (t.compare(QString::fromUtf16(c.name), Qt::CaseInsensitive) == 0) {
                value = c.value;
                good = true;
                break;
            }
        }
    } else {
        // A plain number may be written signed, as a 32-bit integer.
        const qlonglong n = t.toLongLong(&good, 10);
        good = good && n >= qlonglong(INT32_MIN) && n <= qlonglong(UINT32_MAX);
        value = good ? quint32(n) : 0;
    }
    if (!good)
        value = 0;
    if (ok)
        *ok = good;
    return colorFromValue(value);
}

} // namespace platform
