#pragma once
// Dates in the Japanese era calendar (和暦), read from ICU's Japanese calendar. The eras and their
// first days are ICU's: 明治 from 1868-09-08, 大正 1912-07-30, 昭和 1926-12-25, 平成 1989-01-08,
// 令和 2019-05-01, which agree with the era table installed with the program.

#include <QDate>
#include <QString>
#include <optional>

namespace platform {

struct EraDate {
    QString eraName;   // two characters: 明治 大正 昭和 平成 令和
    int eraYear = 0;   // 1 for the first (partial) year of an era
    int month = 0;
    int day = 0;
};

// The era date of a Gregorian date; nothing for an invalid date or one before 明治, which the
// program's era display does not cover.
std::optional<EraDate> japaneseEra(const QDate& date);

// The "ggeemmdd" form: era name, era year, month and day with two digits each, e.g. "平成010108".
// Empty where japaneseEra gives nothing.
QString eraDateText(const QDate& date);

} // namespace platform
