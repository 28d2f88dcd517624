// How long reading one typed date takes, in the locale's own words: the long
// and short texts Qt writes for a spread of locales and dates, those ICU
// writes in the calendars Qt lacks and in eras, and its dates with times;
// and the English that programs print under every locale.

#include "calc/folding.h"
#include "locale_dates/locale_vocabulary_qt.h"
#include "locale_dates/lower_case_qt.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QLocale>

#include <unicode/smpdtfmt.h>

#include <cstddef>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Writes a date in one of the locale's forms.
using writer = std::function<QString(QDate)>;

std::vector<writer> qtForms(const QLocale &locale)
{
    std::vector<writer> forms;
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
        forms.emplace_back([locale, format](QDate d) { return locale.toString(d, format); });
    return forms;
}

// In the calendar the ICU locale names, as "ja_JP@calendar=japanese" does;
// with the time of day, of a date and a time style each, where asked for.
std::vector<writer> icuForms(const char *name, bool withTime = false)
{
    using style = icu::DateFormat::EStyle;
    std::vector<writer> forms;
    for (const auto &[date, time] : {std::pair<style, style>{icu::DateFormat::kLong, icu::DateFormat::kMedium},
                                    std::pair<style, style>{icu::DateFormat::kShort, icu::DateFormat::kShort}}) {
        std::shared_ptr<icu::DateFormat> format(withTime ? icu::DateFormat::createDateTimeInstance(date, time, icu::Locale(name))
                                                         : icu::DateFormat::createDateInstance(date, icu::Locale(name)));
        format->adoptTimeZone(icu::TimeZone::createTimeZone("UTC"));
        forms.emplace_back([format](QDate d) {
            icu::UnicodeString text;
            format->format(static_cast<UDate>(QDate(1970, 1, 1).daysTo(d)) * U_MILLIS_PER_DAY + 34'567'000, text);
            return QString::fromUtf16(text.getBuffer(), text.length());
        });
    }
    return forms;
}

// As programs print a date and a time, whatever the locale, through the C
// library's own: ctime and git's log, the date command, OpenSSL, web servers'
// logs, Python's logging, JavaScript, Java, Go, ICU's English, mail, calendar
// invitations and iCalendar.
std::vector<writer> programForms()
{
    std::vector<writer> forms;
    for (const char *format :
         {"%a %b %e %H:%M:%S %Y", "%a %b %e %H:%M:%S %Y +0000", "%a %b %e %H:%M:%S UTC %Y", "%b %e %H:%M:%S %Y GMT",
          "%d/%b/%Y:%H:%M:%S +0000", "%Y-%m-%d %H:%M:%S,123", "%a %b %d %Y %H:%M:%S GMT+0000 (Coordinated Universal Time)",
          "%Y-%m-%dT%H:%M:%S-05:00[America/New_York]", "%A, %d-%b-%y %H:%M:%S CET", "%Y-%m-%d %H:%M:%S.000000000 +0100 CET",
          "%b %e, %Y, %l:%M %p", "%e %B %Y at %H:%M:%S UTC", "%a, %e %b %Y %H:%M:%S +0100 (CET)",
          "%a %b %e, %Y %l%P \u2013 %I%P", "%Y%m%dT%H%M%SZ"})
        forms.emplace_back([format](QDate d) {
            std::tm t{};
            t.tm_year = d.year() - 1900;
            t.tm_mon = d.month() - 1;
            t.tm_mday = d.day();
            t.tm_wday = d.dayOfWeek() % 7;
            t.tm_hour = 9;
            t.tm_min = 3;
            t.tm_sec = 41;
            char text[128];
            return QString::fromUtf8(text, static_cast<qsizetype>(std::strftime(text, sizeof text, format, &t)));
        });
    return forms;
}

// One text an iteration, so the time printed is the time per text: folded,
// then read, from the platform's lower case.
void recognize(benchmark::State &state, const std::vector<std::pair<QString, std::vector<writer>>> &locales)
{
    std::vector<calc::date_recognizer> recognizers;
    std::vector<std::pair<std::size_t, std::string>> texts; // recognizer, text in lower case
    for (const auto &[name, forms] : locales) {
        const QLocale locale(name);
        recognizers.emplace_back(localeVocabulary(locale));
        for (QDate d(1990, 1, 1); d.year() < 2010; d = d.addDays(73))
            for (const auto &write : forms)
                texts.emplace_back(recognizers.size() - 1, lowerCasedForDates(write(d), locale));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const auto &[reader, text] = texts[next];
        benchmark::DoNotOptimize(recognizers[reader].recognize(*calc::fold(text), {2026, 12, 7}));
        next = next + 1 == texts.size() ? 0 : next + 1;
    }
}

void RecognizeLocaleText(benchmark::State &state)
{
    std::vector<std::pair<QString, std::vector<writer>>> locales;
    for (const char *name : {"de_DE", "es_ES", "ru_RU", "ja_JP", "hu_HU", "ar_EG", "el_GR", "en_US"})
        locales.emplace_back(QString::fromLatin1(name), qtForms(QLocale(QString::fromLatin1(name))));
    recognize(state, locales);
}
BENCHMARK(RecognizeLocaleText);

void RecognizeCalendarText(benchmark::State &state)
{
    std::vector<std::pair<QString, std::vector<writer>>> locales;
    for (const char *name : {"th_TH", "fa_IR", "ar_SA", "ja_JP@calendar=japanese", "zh_TW@calendar=roc"})
        locales.emplace_back(QString::fromLatin1(name).section(QLatin1Char('@'), 0, 0), icuForms(name));
    recognize(state, locales);
}
BENCHMARK(RecognizeCalendarText);

void RecognizeDateTimeText(benchmark::State &state)
{
    std::vector<std::pair<QString, std::vector<writer>>> locales;
    for (const char *name : {"de_DE", "en_US", "ru_RU", "ja_JP", "ko_KR", "fi_FI", "ar_EG", "fr_FR"})
        locales.emplace_back(QString::fromLatin1(name), icuForms(name, true));
    recognize(state, locales);
}
BENCHMARK(RecognizeDateTimeText);

void RecognizeProgramText(benchmark::State &state)
{
    std::vector<std::pair<QString, std::vector<writer>>> locales;
    for (const char *name : {"en_US", "de_DE", "ja_JP", "ru_RU"})
        locales.emplace_back(QString::fromLatin1(name), programForms());
    recognize(state, locales);
}
BENCHMARK(RecognizeProgramText);

} // namespace

BENCHMARK_MAIN();
