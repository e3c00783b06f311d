#pragma once
// Shift-JIS text in its Windows form (CP932, "Windows-31J"), the encoding of the CSV files the
// program writes. Inside the program and the databases all text is UTF-8 / QString.
//
// Encoding never substitutes: a character that CP932 cannot hold stops the conversion and is
// reported, so a file never silently carries "?" in place of a name. Line endings are left to
// the caller (CSV files use "\r\n").

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The text in CP932, or nothing when a character cannot be written; *error (when given) then
// names the first such character: 「𠮷」はShift-JIS(CP932)で書けない文字です。
std::optional<QByteArray> encodeCp932(const QString& text, QString* error);

// CP932 bytes as text. A byte sequence that is not CP932 becomes U+FFFD.
QString decodeCp932(const QByteArray& bytes);

// Writes text encoded in CP932 to path, replacing the file as a whole: the bytes go to a temporary
// file in the same folder which is renamed over path, so a failure leaves any old file untouched
// and no half-written one. Nothing is written when the text cannot be encoded. On failure
// *error (when given) says why, naming the file.
bool writeCp932File(const QString& path, const QString& text, QString* error);

} // namespace platform
