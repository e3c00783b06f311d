#include "platform/JapaneseCalendar.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/timezone.h>

#include <memory>
#include <vector>

namespace platform {

namespace {

const QDate kFirstMeijiDay(1868, 9, 8);

// The calendar and the era names are built once; dates are converted in loops over all employees.
struct JapaneseCalendar {
    std::unique_ptr<icu::Calendar> calendar;
    std::vector<QString> eraNames;   // indexed by ICU's UCAL_ERA value

    JapaneseCalendar()
    {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale locale("ja_JP@calendar=japanese");
        // GMT: the day is set as midnight of the date and must not move with a local offset.
        calendar.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
        if (U_FAILURE(status)) {
            calendar.reset();
            return;
        }
        icu::DateFormatSymbols symbols(locale, "japanese", status);
        if (U_FAILURE(status)) {
            calendar.reset();
            return;
        }
        // The abbreviated names ("G") are the two-character forms (昭和, not S or 昭).
        int32_t count = 0;
        const icu::UnicodeString* eras = symbols.getEras(count);
        for (int32_t i = 0; i < count; ++i)
            eraNames.push_back(QString::fromUtf16(reinterpret_cast<const char16_t*>(eras[i].getBuffer()),
                                                  eras[i].length()));
    }
};

JapaneseCalendar& japaneseCalendar()
{
    thread_local JapaneseCalendar instance;
    return instance;
}

} // namespace

std::optional<EraDate> japaneseEra(const QDate& date)
{
    if (!date.isValid() || date < kFirstMeijiDay)
        return std::nullopt;
    JapaneseCalendar& jc = japaneseCalendar();
    if (!jc.calendar)
        return std::nullopt;

    // ICU counts milliseconds from 1970-01-01 00:00 GMT (Julian day 2440588).
    const double millis = double(date.toJulianDay() - 2440588) * 86400000.0;
    UErrorCode status = U_ZERO_ERROR;
    jc.calendar->setTime(millis, status);
    const int32_t era = jc.calendar->get(UCAL_ERA, status);
    const int32_t year = jc.calendar->get(UCAL_YEAR, status);
    if (U_FAILURE(status) || era < 0 || size_t(era) >= jc.eraNames.size())
        return std::nullopt;
    return EraDate{jc.eraNames[size_t(era)], year, date.month(), date.day()};
}

QString eraDateText(const QDate& date)
{
    const auto era = japaneseEra(date);
    if (!era)
        return {};
    return era->eraName + QStringLiteral("%1%2%3")
                              .arg(era->eraYear, 2, 10, QChar(u'0'))
                              .arg(era->month, 2, 10, QChar(u'0'))
                              .arg(era->day, 2, 10, QChar(u'0'));
}

} // namespace platform
