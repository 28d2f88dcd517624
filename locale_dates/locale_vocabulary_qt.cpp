#include "locale_dates/locale_vocabulary_qt.h"

#include "locale_dates/available_formats_qt.h"
#include "locale_dates/c_library_dates_qt.h"
#include "locale_dates/day_ordinals_qt.h"
#include "locale_dates/locale_calendars_qt.h"
#include "locale_dates/locale_times_qt.h"
#include "locale_dates/lower_case_qt.h"
#include "locale_dates/qlocale_dates_qt.h"
#include "locale_dates/relative_days_qt.h"
#include "locale_dates/typed_forms.h"

#include <QLocale>

#include <string_view>

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
    addQLocaleDates(dates, locale);
    const QLocale written = datesLocale(locale);
    addLocaleCalendars(dates, written);
    addLocaleTimes(dates, written);
    addAvailableFormats(dates, written);
    addDayOrdinals(dates, written);
    addCLibraryDates(dates, written, locale == QLocale::system());
    addRelativeDays(dates, written);
    addTypedForms(dates, written.name().section(QLatin1Char('_'), 0, 0).toStdString());
    calc::lower_picture_words(dates, [&](std::string_view words) {
        return lowerCasedForDates(QString::fromUtf8(words.data(), static_cast<int>(words.size())), locale);
    });
    return dates;
}
