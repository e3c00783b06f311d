#pragma once
// Rules shared by the free-text fields of the master screens: names and labels are written into
// the CSV files in CP932 (Shift-JIS), so a character that encoding cannot hold is refused when it
// is entered rather than failing an export later.

#include <QString>
#include <optional>

namespace master {

// The message for the first character of text that CP932 cannot hold
// (「𠮷」はShift-JIS(CP932)で書けない文字です。); nothing when the text can be written.
std::optional<QString> cp932Refusal(const QString& text);

// The refusal of a free-text field: too long (more than maxLength characters, "入力範囲外です。")
// or not writable in CP932. Nothing when the text is accepted.
std::optional<QString> freeTextRefusal(const QString& text, int maxLength);

} // namespace master
