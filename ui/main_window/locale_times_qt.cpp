#include "ui/main_window/locale_times_qt.h"

#include "ui/main_window/icu_pictures_qt.h"
#include "ui/main_window/locale_vocabulary_qt.h"

#include <QLocale>

#include <unicode/resbund.h>

#include <initializer_list>

// Read from ICU's locale data itself: a date format of ICU's would cost
// megabytes at start, with its calendar and numbers, for a few texts.

namespace {

// Each string of a table or an array of ICU's locale data.
template <typename Each>
void strings(const icu::ResourceBundle &of, Each &&each)
{
    for (int32_t i = 0; i < of.getSize(); ++i) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeString text = of.getStringEx(i, status);
        if (U_SUCCESS(status))
            each(fromIcu(text));
    }
}

icu::ResourceBundle at(const icu::ResourceBundle &from, std::initializer_list<const char *> path, UErrorCode &status)
{
    icu::ResourceBundle found = from;
    for (const char *key : path)
        found = found.getWithFallback(key, status);
    return found;
}

} // namespace

void addLocaleTimes(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const icu::Locale in(locale.name().toLatin1().constData());
    UErrorCode status = U_ZERO_ERROR;
    const icu::ResourceBundle data(nullptr, in, status);
    const icu::ResourceBundle gregorian = at(data, {"calendar", "gregorian"}, status);
    // Times full to short, dates full to short, then how a date and a time are joined ("{1}, {0}").
    const icu::ResourceBundle patterns = at(gregorian, {"DateTimePatterns"}, status);
    if (U_FAILURE(status))
        return;
    // The words of "{1} 'um' {0}" between the date and the time, and after the time ("{1} को {0} बजे").
    const auto addJoin = [&](const QString &join) {
        const auto date = join.indexOf(QLatin1String("{1}")), time = join.indexOf(QLatin1String("{0}"));
        if (date >= 0 && time > date)
            vocabulary.time_joins.emplace_back(pictureOf(join.mid(date + 3, time - date - 3)),
                                               pictureOf(join.mid(time + 3)));
    };
    bool partsOfTheDay = false;
    int32_t n = 0;
    strings(patterns, [&](const QString &pattern) {
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
    strings(at(gregorian, {"DateTimePatterns%atTime"}, atTime), addJoin);

    const auto lower = [&](std::vector<std::string> &to) {
        return [&to, &locale](const QString &name) { to.push_back(lowerCasedForDates(name, locale)); };
    };
    // AM and PM in every width, and where the locale's times name parts of the day, each part's name.
    for (const char *width : {"AmPmMarkers", "AmPmMarkersAbbr", "AmPmMarkersNarrow"}) {
        UErrorCode found = U_ZERO_ERROR;
        strings(at(gregorian, {width}, found), lower(vocabulary.day_periods));
    }
    if (partsOfTheDay) {
        UErrorCode found = U_ZERO_ERROR;
        strings(at(gregorian, {"dayPeriod", "format", "abbreviated"}, found), lower(vocabulary.day_periods));
    }
    // The locale's names for UTC.
    UErrorCode zones = U_ZERO_ERROR;
    const icu::ResourceBundle zoneData(U_ICUDATA_NAME "-zone", in, zones);
    const icu::ResourceBundle zoneStrings = at(zoneData, {"zoneStrings"}, zones);
    UErrorCode utc = zones, gmt = zones;
    strings(at(zoneStrings, {"Etc:UTC"}, utc), lower(vocabulary.utc_names));
    if (U_SUCCESS(gmt))
        if (const auto zero = zoneStrings.getStringEx("gmtZeroFormat", gmt); U_SUCCESS(gmt))
            vocabulary.utc_names.push_back(lowerCasedForDates(fromIcu(zero), locale));
}
