#pragma once
// Small conversions applied to every value read from the database, whole-year arithmetic for ages
// and service, the guarded division, and the database error box.

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

namespace data {

class Connection;

// "0" for an empty text, else the text.
QString ZeroIfEmpty(const QString& s);
// x / y, or 0 when |y| < 1e-12.
double SafeDiv(double x, double y);
// Empty text for null, else the value as text (whole numbers without a decimal point).
QString VariantToText(const QVariant& v);
// 0 for null; a floating-point value is rounded half to even; nullopt when the value is no number.
std::optional<qint64> VariantToInt(const QVariant& v);
// 0 for null; nullopt when the value is no number.
std::optional<double> VariantToFloat(const QVariant& v);
// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double x);
// Whole years from date to reference (both yyyymmdd); 0 for date 0 or an unreadable date.
// Negative when the date lies after the reference.
int yearsBetween(int date, int reference);
// Whole years from date to the open company's reference date (today when ages count to today).
int YearsToReference(int date);
// A date from a text holding a yyyymmdd number; an invalid QDate when 0 or not a valid date.
QDate DateFromYmd(const QString& text);
// State + " " + description of the connection's first error, or "不明なエラーです".
QString DbErrorText(const Connection& c);
// The database error box: the text, an OK button, an empty caption.
void ShowDbError(const QString& text);

// Parses a number as the program holds it in text: optional sign, digits, an optional decimal
// part. Leading and trailing blanks are ignored; anything else is no number.
std::optional<qint64> parseIntText(const QString& s);
std::optional<double> parseRealText(const QString& s);
// The text of a floating-point value as the database returns it (up to 15 significant digits).
QString realText(double v);

} // namespace data
