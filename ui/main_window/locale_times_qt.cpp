#include "ui/main_window/locale_times_qt.h"

#include "ui/main_window/icu_pictures_qt.h"
#include "ui/main_window/locale_vocabulary_qt.h"

#include <QLocale>

#include <unicode/smpdtfmt.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace {

using style = icu::DateFormat::EStyle;
constexpr style styles[] = {icu::DateFormat::kFull, icu::DateFormat::kLong, icu::DateFormat::kMedium,
                            icu::DateFormat::kShort};

QString patternOf(const icu::DateFormat *format)
{
    icu::UnicodeString pattern;
    if (const auto *simple = dynamic_cast<const icu::SimpleDateFormat *>(format))
        simple->toPattern(pattern);
    return fromIcu(pattern);
}

// Everything the locale's names are compared with is in its lower case.
void addNames(std::vector<std::string> &to, const icu::Locale &in, const QLocale &locale,
              std::initializer_list<const char16_t *> patterns, const std::vector<int> &seconds)
{
    for (const auto *pattern : patterns) {
        UErrorCode status = U_ZERO_ERROR;
        icu::SimpleDateFormat format(icu::UnicodeString(pattern), in, status);
        if (U_SUCCESS(status))
            for (const int second : seconds)
                to.push_back(lowerCasedForDates(icuText(format, 0, second), locale));
    }
}

} // namespace

void addLocaleTimes(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const icu::Locale in(locale.name().toLatin1().constData());
    bool flexiblePeriods = false;
    for (const auto s : styles) {
        const std::unique_ptr<icu::DateFormat> time(icu::DateFormat::createTimeInstance(s, in));
        const QString timePattern = patternOf(time.get());
        vocabulary.time_formats.push_back(pictureOf(timePattern));
        flexiblePeriods = flexiblePeriods || timePattern.contains(QLatin1Char('B'));
        // ICU joins a date to its time by a pattern of its own, "{1} 'um' {0}"; its words are
        // what the whole date-time writes between the date and the time, and after the time.
        const std::unique_ptr<icu::DateFormat> date(icu::DateFormat::createDateInstance(s, in));
        const std::unique_ptr<icu::DateFormat> both(icu::DateFormat::createDateTimeInstance(s, s, in));
        const QString datePattern = patternOf(date.get()), joined = patternOf(both.get());
        // ICU's dates, besides Qt's, are the ones most programs write ("d MMM y").
        vocabulary.formats.push_back(pictureOf(datePattern));
        const auto at = joined.indexOf(timePattern, datePattern.size());
        if (!datePattern.isEmpty() && joined.startsWith(datePattern) && at >= 0)
            vocabulary.time_joins.emplace_back(pictureOf(joined.mid(datePattern.size(), at - datePattern.size())),
                                               pictureOf(joined.mid(at + timePattern.size())));
    }
    // AM and PM in every width, and where the locale's times name parts of the day, each part's name.
    addNames(vocabulary.day_periods, in, locale, {u"a", u"aaaa", u"aaaaa"}, {0, 12 * 3600});
    if (flexiblePeriods) {
        std::vector<int> hours;
        for (int hour = 0; hour < 24; ++hour)
            hours.push_back(hour * 3600);
        addNames(vocabulary.day_periods, in, locale, {u"B"}, hours);
    }
    addNames(vocabulary.utc_names, in, locale, {u"z", u"zzzz", u"OOOO", u"vvvv"}, {0});
}
