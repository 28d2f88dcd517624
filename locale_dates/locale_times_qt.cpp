#include "locale_dates/locale_times_qt.h"

#include "locale_dates/icu_data_qt.h"
#include "locale_dates/icu_pictures_qt.h"
#include "locale_dates/lower_case_qt.h"

#include <QLocale>

void addLocaleTimes(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const icu::Locale in(locale.name().toLatin1().constData());
    // Times full to short, dates full to short, then how a date and a time are joined ("{1}, {0}").
    UErrorCode status = U_ZERO_ERROR;
    const icu::ResourceBundle patterns = icuData(nullptr, in, {"calendar", "gregorian", "DateTimePatterns"}, status);
    if (U_FAILURE(status))
        return;
    // The words of "{1} 'um' {0}" between the date and the time, and after the time ("{1} को {0} बजे");
    // where the time comes first, those before it and between it and the date ("'lúc' {0} {1}").
    const auto addJoin = [&](const QString &join) {
        const auto date = join.indexOf(QLatin1String("{1}")), time = join.indexOf(QLatin1String("{0}"));
        if (date >= 0 && time > date)
            vocabulary.time_joins.emplace_back(pictureOf(join.mid(date + 3, time - date - 3)),
                                               pictureOf(join.mid(time + 3)));
        else if (time >= 0 && date > time)
            vocabulary.time_first_joins.emplace_back(pictureOf(join.left(time)),
                                                     pictureOf(join.mid(time + 3, date - time - 3)));
    };
    bool partsOfTheDay = false;
    int32_t n = 0;
    forEachString(patterns, [&](const QString &pattern) {
        if (n < 4) {
            vocabulary.time_formats.push_back(pictureOf(pattern));
            partsOfTheDay = partsOfTheDay || pattern.contains(QLatin1Char('B'));
        } else if (n < 8) {
            vocabulary.formats.push_back(pictureOf(pattern)); // ICU's dates, which most programs write
        } else {
            addJoin(pattern);
        }
        ++n;
    });
    UErrorCode atTime = U_ZERO_ERROR;
    forEachString(icuData(nullptr, in, {"calendar", "gregorian", "DateTimePatterns%atTime"}, atTime), addJoin);

    const auto lower = [&](std::vector<std::string> &to) {
        return [&to, &locale](const QString &name) { to.push_back(lowerCasedForDates(name, locale)); };
    };
    // AM and PM in every width, and where the locale's times name parts of the day, each part's name.
    for (const char *width : {"AmPmMarkers", "AmPmMarkersAbbr", "AmPmMarkersNarrow"}) {
        UErrorCode found = U_ZERO_ERROR;
        forEachString(icuData(nullptr, in, {"calendar", "gregorian", width}, found), lower(vocabulary.day_periods));
    }
    if (partsOfTheDay) {
        UErrorCode found = U_ZERO_ERROR;
        forEachString(icuData(nullptr, in, {"calendar", "gregorian", "dayPeriod", "format", "abbreviated"}, found), lower(vocabulary.day_periods));
    }
    // The locale's names for UTC.
    UErrorCode zones = U_ZERO_ERROR;
    icu::ResourceBundle zoneStrings = icuData(U_ICUDATA_NAME "-zone", in, {"zoneStrings"}, zones);
    UErrorCode utc = zones, gmt = zones;
    forEachString(zoneStrings.getWithFallback("Etc:UTC", utc), lower(vocabulary.utc_names));
    if (U_SUCCESS(gmt))
        if (const auto zero = zoneStrings.getStringEx("gmtZeroFormat", gmt); U_SUCCESS(gmt))
            vocabulary.utc_names.push_back(lowerCasedForDates(fromIcu(zero), locale));
}
