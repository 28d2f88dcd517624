#include "ui/main_window/locale_vocabulary_qt.h"

#include "ui/main_window/c_library_dates_qt.h"
#include "ui/main_window/locale_calendars_qt.h"
#include "ui/main_window/locale_times_qt.h"
#include "ui/main_window/relative_days_qt.h"
#include "ui/main_window/typed_forms.h"

#include <QLocale>

#include <string_view>

std::string lowerCasedForDates(const QString &text, const QLocale &locale)
{
    // Case folding after the locale's lower case makes Greek's final sigma the plain one; the
    // compatibility decomposition makes full-width forms plain ("２００４／３／１５").
    return locale.toLower(text).toCaseFolded().normalized(QString::NormalizationForm_KD).toStdString();
}

namespace {

// The locale dates are written in. Qt writes the system's own dates by LC_TIME,
// as the C library does, though the system locale is named for LANG.
QLocale datesLocale(const QLocale &locale)
{
    if (locale != QLocale::system())
        return locale;
    for (const char *variable : {"LC_ALL", "LC_TIME", "LANG"})
        if (const QByteArray name = qgetenv(variable); !name.isEmpty())
            return QLocale(QString::fromLatin1(name));
    return locale;
}

} // namespace

calc::locale_vocabulary localeVocabulary(const QLocale &locale)
{
    calc::locale_vocabulary dates;
    // The short format first: it decides how digits alone are read.
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat, QLocale::NarrowFormat})
        dates.formats.push_back(locale.dateFormat(format).toStdString());
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
    const QLocale written = datesLocale(locale);
    addLocaleCalendars(dates, written);
    addLocaleTimes(dates, written);
    addCLibraryDates(dates, written, locale == QLocale::system());
    addRelativeDays(dates, written);
    addTypedForms(dates, written.name().section(QLatin1Char('_'), 0, 0).toStdString());
    calc::lower_picture_words(dates, [&](std::string_view words) {
        return lowerCasedForDates(QString::fromUtf8(words.data(), static_cast<int>(words.size())), locale);
    });
    return dates;
}

date_entry localeDateEntry(const QLocale &locale)
{
    return {localeVocabulary(locale), [locale](std::u16string_view text) {
                return lowerCasedForDates(QString::fromUtf16(text.data(), static_cast<int>(text.size())), locale);
            }};
}
