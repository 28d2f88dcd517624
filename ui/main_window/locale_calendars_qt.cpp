#include "ui/main_window/locale_calendars_qt.h"

#include "ui/main_window/locale_vocabulary_qt.h"

#include <QLocale>
#include <QString>

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/fieldpos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/strenum.h>
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

QString fromIcu(const icu::UnicodeString &text)
{
    return QString::fromUtf16(text.getBuffer(), text.length());
}

// ICU's pattern letters as the recognizer's pictures write them: G the era, y
// the year, M and L the month, d the day, E and c the weekday.
std::string pictureOf(const QString &pattern)
{
    using index = decltype(pattern.size());
    QString picture;
    for (index i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        index run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == QLatin1Char('\'')) { // quoted as in the pictures: copied, up to the closing quote
            const index end = pattern.indexOf(QLatin1Char('\''), i + 1);
            run = (end < 0 ? pattern.size() : end + 1) - i;
            picture += pattern.mid(i, run);
        } else if (c == QLatin1Char('G')) {
            picture += QLatin1String("gg");
        } else if (c == QLatin1Char('y')) {
            picture += run == 2 ? QLatin1String("yy") : QLatin1String("yyyy");
        } else if (c == QLatin1Char('M') || c == QLatin1Char('L')) {
            picture += QString(std::min<index>(run, 4), QLatin1Char('M'));
        } else if (c == QLatin1Char('d')) {
            picture += QString(std::min<index>(run, 2), QLatin1Char('d'));
        } else if (c == QLatin1Char('E') || c == QLatin1Char('c')) {
            picture += QLatin1String("dddd");
        } else if (c.isLetter() && c.unicode() < 128) { // no other field belongs in a date
            picture += QLatin1Char('\'') + pattern.mid(i, run) + QLatin1Char('\'');
        } else {
            picture += pattern.mid(i, run);
        }
        i += run;
    }
    return picture.normalized(QString::NormalizationForm_D).toStdString();
}

// What ICU writes of calc's day number `day`, read as a day in UTC; `field`,
// where given, learns where one of its fields stands.
QString icuText(icu::DateFormat &format, int day, icu::FieldPosition *field = nullptr)
{
    format.adoptTimeZone(icu::TimeZone::createTimeZone("UTC"));
    icu::UnicodeString text;
    icu::FieldPosition none;
    format.format(static_cast<UDate>(day) * U_MILLIS_PER_DAY, text, field ? *field : none);
    return fromIcu(text);
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

} // namespace

void addLocaleCalendars(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const icu::Locale in(locale.name().toLatin1().constData());
    // The calendars the locale commonly uses, its own first, by which ICU also
    // makes its calendars; making one would load time zones as well.
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::StringEnumeration> used(
        icu::Calendar::getKeywordValuesForLocale("calendar", in, true, status));
    std::vector<std::string> keywords;
    while (const char *keyword = U_SUCCESS(status) ? used->next(nullptr, status) : nullptr)
        keywords.emplace_back(keyword);
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
