#include "yardstick/EntryFields.h"

#include "data/Common.h"
#include "master/TextRules.h"

namespace yardstick {

const NumberField& householdSizeField()
{
    static const NumberField f{false, 2, QString(), 0, 99};
    return f;
}

const NumberField& householdAgeField()
{
    static const NumberField f{false, 3, QString(), 0, 999};
    return f;
}

const NumberField& livingCostField()
{
    static const NumberField f{false, 8, QStringLiteral("#,##0"), 0, 99999999};
    return f;
}

const NumberField& livingRateField()
{
    static const NumberField f{true, 8, QStringLiteral("#,##0.00"), 0, 99999.99};
    return f;
}

const NumberField& multiplierField()
{
    static const NumberField f{true, 6, QStringLiteral("#,##0.000"), 0, 99.999};
    return f;
}

const NumberField& modelYearsField()
{
    static const NumberField f{false, 2, QString(), 0, 99};
    return f;
}

const NumberField& modelAmountField()
{
    static const NumberField f{false, 8, QStringLiteral("#,##0"), 0, 99999999};
    return f;
}

const NumberField& establishmentsField()
{
    static const NumberField f{false, 5, QString(), 0, 99999};
    return f;
}

namespace {

QString outOfRange() { return QStringLiteral("入力範囲外です。"); }

QString withoutSeparators(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char(','));
    return t.trimmed();
}

} // namespace

app::FieldCheck checkNumberField(const NumberField& field, const QString& text)
{
    app::FieldCheck r = field.decimal ? app::checkFloatText(text, field.maxLength, field.format)
                                      : app::checkIntText(text, field.maxLength, field.format, 0, 0);
    if (!r.accepted)
        return r;
    const QString plain = withoutSeparators(text);
    const double v = field.decimal ? data::parseRealText(plain).value_or(0)
                                   : double(app::parseWholeNumber(plain).value_or(0));
    // The shown text must pass the same check again (a decimal's places count too).
    const QString shown = field.format.isEmpty() ? plain : withoutSeparators(r.text);
    if (v < field.min || v > field.max || shown.size() > field.maxLength) {
        r.accepted = false;
        r.message = outOfRange();
        r.text.clear();
    }
    return r;
}

std::optional<double> numberFieldValue(const NumberField& field, const QString& text)
{
    if (!checkNumberField(field, text).accepted)
        return std::nullopt;
    const QString plain = withoutSeparators(text);
    if (field.decimal)
        return data::parseRealText(plain);
    return double(*app::parseWholeNumber(plain));
}

QString numberFieldText(const NumberField& field, double value)
{
    if (field.format.isEmpty())
        return field.decimal ? data::realText(value) : QString::number(qint64(value));
    return app::formatNumber(field.format, value);
}

std::optional<QString> textFieldRefusal(const QString& text, int maxLength)
{
    return master::freeTextRefusal(text, maxLength);
}

} // namespace yardstick
