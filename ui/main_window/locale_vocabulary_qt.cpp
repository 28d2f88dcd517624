#include "ui/main_window/locale_vocabulary_qt.h"

#include "ui/main_window/locale_calendars_qt.h"
#include "ui/main_window/relative_days_qt.h"

#include <QLocale>

std::string lowerCasedForDates(const QString &text, const QLocale &locale)
{
    // Case folding after the locale's lower case makes Greek's final sigma the plain one.
    return locale.toLower(text).toCaseFolded().normalized(QString::NormalizationForm_D).toStdString();
}

calc::locale_vocabulary localeVocabulary(const QLocale &locale)
{
    calc::locale_vocabulary dates;
    // The short format first: it decides how digits alone are read.
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat, QLocale::NarrowFormat})
        dates.formats.push_back(locale.dateFormat(format).normalized(QString::NormalizationForm_D).toStdString());
    // Inside a date some languages take another form of the month's name than alone ("marca", "marzec").
    for (std::size_t i = 0; i < dates.months.size(); ++i) {
        const int month = static_cast<int>(i) + 1;
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            for (const auto &name : {locale.monthName(month, format), locale.standaloneMonthName(month, format)})
                dates.months[i].push_back(lowerCasedForDates(name, locale));
    }
    // Qt counts Monday as 1 and Sunday as 7; calc starts at Sunday.
    for (std::size_t i = 0; i < dates.weekdays.size(); ++i) {
        const int day = i == 0 ? 7 : static_cast<int>(i);
        for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
            for (const auto &name : {locale.dayName(day, format), locale.standaloneDayName(day, format)})
                dates.weekdays[i].push_back(lowerCasedForDates(name, locale));
    }
    addLocaleCalendars(dates, locale);
    addRelativeDays(dates, locale);
    return dates;
}

date_entry localeDateEntry(const QLocale &locale)
{
    return {localeVocabulary(locale), [locale](std::u16string_view text) {
                return lowerCasedForDates(QString::fromUtf16(text.data(), static_cast<int>(text.size())), locale);
            }};
}
