#include "data/Common.h"

#include "data/DataModule.h"
#include "data/Engine.h"
#include "platform/Dialogs.h"

#include <cmath>

namespace data {

QString ZeroIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral("0") : s; }

double SafeDiv(double x, double y) { return std::fabs(y) < 1e-12 ? 0.0 : x / y; }

double roundHalfEven(double x) { return std::nearbyint(x); }   // default rounding mode: to even

QString realText(double v)
{
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

QString VariantToText(const QVariant& v)
{
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Double)
        return realText(v.toDouble());
    return v.toString();
}

std::optional<qint64> parseIntText(const QString& s)
{
    const QString t = s.trimmed();
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (ok)
        return n;
    auto d = parseRealText(t);
    if (d && std::fabs(*d) < 9.2e18)
        return qint64(roundHalfEven(*d));
    return std::nullopt;
}

std::optional<double> parseRealText(const QString& s)
{
    const QString t = s.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    // Only plain decimal forms: sign, digits, point, digits (an exponent is accepted too).
    for (QChar c : t)
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+')
              || c == QLatin1Char('e') || c == QLatin1Char('E')))
            return std::nullopt;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<qint64> VariantToInt(const QVariant& v)
{
    if (v.isNull())
        return qint64(0);
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        return v.toLongLong();
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (!std::isfinite(d) || std::fabs(d) > 9.2e18)
            return std::nullopt;
        return qint64(roundHalfEven(d));
    }
    default:
        return parseIntText(v.toString());
    }
}

std::optional<double> VariantToFloat(const QVariant& v)
{
    if (v.isNull())
        return 0.0;
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
        return v.toDouble();
    default:
        return parseRealText(v.toString());
    }
}

int yearsBetween(int date, int reference)
{
    if (date <= 0 || reference <= 0)
        return 0;
    const int y = date / 10000, m = date / 100 % 100, d = date % 100;
    const int ry = reference / 10000, rm = reference / 100 % 100, rd = reference % 100;
    const int diff = ry - y;
    if (rm > m || (rm == m && rd >= d))
        return diff;
    return diff - 1;
}

int YearsToReference(int date)
{
    if (date == 0)
        return 0;
    AppState& s = TFDM::current().state;
    int ref = s.AgeReferenceDate;
    if (s.AgeByToday != 0) {
        const QDate t = s.fixedToday.isValid() ? s.fixedToday : QDate::currentDate();
        ref = t.year() * 10000 + t.month() * 100 + t.day();
    }
    return yearsBetween(date, ref);
}

QDate DateFromYmd(const QString& text)
{
    const auto n = parseIntText(text);
    if (!n || *n <= 0 || *n > 99991231)
        return QDate();
    return QDate(int(*n / 10000), int(*n / 100 % 100), int(*n % 100));
}

QString DbErrorText(const Connection& c)
{
    if (c.errors().empty())
        return QStringLiteral("不明なエラーです");
    const DbError& e = c.errors().front();
    return e.state + QLatin1Char(' ') + e.description;
}

void ShowDbError(const QString& text)
{
    platform::dialogs().message(platform::MessageKind::Error, text, QString());
}

} // namespace data
