#include "locale_dates/locale_calendars_qt.h"

#include "locale_dates/icu_data_qt.h"
#include "locale_dates/icu_pictures_qt.h"
#include "locale_dates/lower_case_qt.h"

#include <QLocale>
#include <QString>

#include <unicode/ures.h>
#include <unicode/dtfmtsym.h>
#include <unicode/fieldpos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using calc::calendar;

// The calendars the program reads, by ICU's names for them; the Japanese one
// is an era's calendar each.
std::vector<calendar> calendarsNamed(std::string_view keyword)
{
    if (keyword == "gregorian")
        return {calendar::gregorian};
    if (keyword == "buddhist")
        return {calendar::buddhist};
    if (keyword == "roc")
        return {calendar::roc};
    if (keyword == "japanese")
        return {calendar::meiji, calendar::taisho, calendar::showa, calendar::heisei, calendar::reiwa};
    if (keyword == "persian")
        return {calendar::persian};
    if (keyword == "islamic-umalqura")
        return {calendar::umalqura};
    return {};
}

void addCalendar(calc::locale_vocabulary &vocabulary, const QLocale &locale, icu::Locale in,
                 const char *keyword)
{
    UErrorCode status = U_ZERO_ERROR;
    in.setKeywordValue("calendar", keyword, status);
    const auto calendars = calendarsNamed(keyword);
    const bool own = calendars.size() == 1 && calendars.front() == vocabulary.own_calendar;
    // Qt tells the Gregorian formats; the others' come first where they are the locale's own.
    if (calendars.front() != calendar::gregorian) {
        auto at = own ? vocabulary.formats.begin() : vocabulary.formats.end();
        for (const auto style : {icu::DateFormat::kShort, icu::DateFormat::kFull, icu::DateFormat::kLong,
                                 icu::DateFormat::kMedium}) {
            const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, in));
            if (const auto *simple = dynamic_cast<const icu::SimpleDateFormat *>(format.get())) {
                icu::UnicodeString pattern;
                at = std::next(vocabulary.formats.insert(at, pictureOf(fromIcu(simple->toPattern(pattern)))));
            }
        }
    }
    if (own && calc::has_own_months(vocabulary.own_calendar)) {
        const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(icu::DateFormat::kLong, in));
        if (const auto *simple = dynamic_cast<const icu::SimpleDateFormat *>(format.get()))
            for (const auto context : {icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::STANDALONE})
                for (const auto width : {icu::DateFormatSymbols::WIDE, icu::DateFormatSymbols::ABBREVIATED}) {
                    int32_t count = 0;
                    const auto *names = simple->getDateFormatSymbols()->getMonths(count, context, width);
                    for (int32_t i = 0; i < std::min<int32_t>(count, 12); ++i)
                        vocabulary.own_months[static_cast<std::size_t>(i)].push_back(
                            lowerCasedForDates(fromIcu(names[i]), locale));
                }
    }
    // The names of the era in force on a day of it, in every width: one format a width.
    for (const auto *pattern : {u"G", u"GGGG", u"GGGGG"}) {
        UErrorCode made = U_ZERO_ERROR;
        icu::SimpleDateFormat format(icu::UnicodeString(pattern), in, made);
        for (const auto c : calendars) {
            const int day = calc::is_japanese_era(c) ? calc::first_day(c) : calc::days_from_civil(2000, 1, 1);
            if (U_SUCCESS(made))
                vocabulary.eras.emplace_back(lowerCasedForDates(icuText(format, day), locale), c);
        }
    }
    // A first year written as a word of its own (Japanese 元年), where it is one:
    // the locale's own formats write it so, not a bare pattern.
    if (calc::is_japanese_era(calendars.front())) {
        const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(icu::DateFormat::kLong, in));
        icu::FieldPosition year(UDAT_YEAR_FIELD);
        const QString text = icuText(*format, calc::first_day(calendar::reiwa), &year);
        const QString first = text.mid(year.getBeginIndex(), year.getEndIndex() - year.getBeginIndex());
        if (!first.isEmpty() && !first.front().isDigit())
            vocabulary.first_years.push_back(lowerCasedForDates(first, locale));
    }
}

// The calendars the locale's region commonly uses, its own first, from ICU's
// data itself: ICU's own answer to that, through its calendars, holds more of
// its data in memory, and making a calendar would load time zones as well.
std::vector<std::string> calendarsUsedIn(icu::Locale in)
{
    UErrorCode status = U_ZERO_ERROR;
    if (!*in.getCountry())
        in.addLikelySubtags(status);
    // Not a locale's data, but the world's, with nothing to fall back to.
    const icu::LocalUResourceBundlePointer data(ures_openDirect(nullptr, "supplementalData", &status));
    const icu::ResourceBundle preferences = icu::ResourceBundle(data.getAlias(), status).get("calendarPreferenceData", status);
    UErrorCode found = status;
    icu::ResourceBundle used = preferences.get(in.getCountry(), found);
    if (U_FAILURE(found)) {
        found = status;
        used = preferences.get("001", found); // the world's
    }
    std::vector<std::string> keywords;
    if (U_SUCCESS(found))
        forEachString(used, [&keywords](const QString &name) { keywords.push_back(name.toStdString()); });
    return keywords;
}

} // namespace

void addLocaleCalendars(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const icu::Locale in(locale.name().toLatin1().constData());
    const std::vector<std::string> keywords = calendarsUsedIn(in);
    if (keywords.empty())
        return;
    if (const auto calendars = calendarsNamed(keywords.front()); calendars.size() == 1)
        vocabulary.own_calendar = calendars.front();
    // A locale of one calendar, the Gregorian one, has no era to tell apart.
    if (keywords.size() == 1 && vocabulary.own_calendar == calendar::gregorian)
        return;
    for (const auto &keyword : keywords)
        if (!calendarsNamed(keyword).empty())
            addCalendar(vocabulary, locale, in, keyword.c_str());
}
