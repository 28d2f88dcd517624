// How long reading one typed date takes, in the locale's own words: the long
// and short texts Qt writes for a spread of locales and dates.

#include "ui/main_window/locale_vocabulary_qt.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QLocale>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace {

// One text an iteration, so the time printed is the time per text.
void RecognizeLocaleText(benchmark::State &state)
{
    std::vector<calc::date_recognizer> recognizers;
    std::vector<std::pair<std::size_t, std::string>> texts; // recognizer, folded text
    for (const char *name : {"de_DE", "es_ES", "ru_RU", "ja_JP", "hu_HU", "ar_EG", "el_GR", "en_US"}) {
        const QLocale locale(QString::fromLatin1(name));
        recognizers.emplace_back(localeVocabulary(locale));
        for (QDate d(1990, 1, 1); d.year() < 2010; d = d.addDays(73))
            for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat})
                texts.emplace_back(recognizers.size() - 1, foldedForDates(locale.toString(d, format), locale));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const auto &[reader, text] = texts[next];
        benchmark::DoNotOptimize(recognizers[reader](text));
        next = next + 1 == texts.size() ? 0 : next + 1;
    }
}
BENCHMARK(RecognizeLocaleText);

} // namespace

BENCHMARK_MAIN();
