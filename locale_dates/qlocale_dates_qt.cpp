#include "locale_dates/qlocale_dates_qt.h"

#include "locale_dates/lower_case_qt.h"

#include <QLocale>

void addQLocaleDates(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    // The short format first: it decides how digits alone are read.
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat, QLocale::NarrowFormat})
        vocabulary.formats.push_back(locale.dateFormat(format).toStdString());
    // Inside a date some languages take another form of the month's name than alone ("marca", "marzec").
    for (std::size_t i = 0; i < vocabulary.months.size(); ++i) {
        const int month = static_cast<int>(i) + 1;
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            for (const auto &name : {locale.monthName(month, format), locale.standaloneMonthName(month, format)})
                vocabulary.months[i].push_back(lowerCasedForDates(name, locale));
    }
    // Qt counts Monday as 1 and Sunday as 7; calc starts at Sunday.
    for (std::size_t i = 0; i < vocabulary.weekdays.size(); ++i) {
        const int day = i == 0 ? 7 : static_cast<int>(i);
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            for (const auto &name : {locale.dayName(day, format), locale.standaloneDayName(day, format)})
                vocabulary.weekdays[i].push_back(lowerCasedForDates(name, locale));
    }
}
