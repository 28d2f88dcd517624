#include "calc/civil.h"
#include "calc/date_recognizer.h"
#include "calc/date_rules.h"
#include "calc/english_reader.h"
#include "calc/folding.h"
#include "tests/calc/sample_locales.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Built with NDEBUG, so no assert(); libFuzzer keeps the input of any abort.
void check(bool holds)
{
    if (!holds)
        std::abort();
}

bool in_range(const calc::civil_date &d)
{
    return d.year >= 100 && d.year <= 9999 && calc::is_valid_date(d.year, d.month, d.day);
}

// Any day will do for today: a Monday in a year that is not a leap year.
constexpr calc::civil_date today{2026, 12, 7};

void check_reading(std::string_view text, calc::date_order order)
{
    const auto date = calc::recognize_english(text, order, today);
    if (text.size() > calc::longest_date_utf16_units)
        check(!date);
    if (!date)
        return;
    check(in_range(*date));

    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date->year, date->month, date->day);
    check(calc::recognize_english(iso, order, today) == date);

    // Case never changes the answer, nor does space around the text while it stays short enough.
    char shouted[calc::longest_date_utf16_units];
    const bool padded = text.size() + 2 <= sizeof shouted;
    std::size_t size = 0;
    if (padded)
        shouted[size++] = ' ';
    for (const char c : text)
        shouted[size++] = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (padded)
        shouted[size++] = '\t';
    check(calc::recognize_english({shouted, size}, order, today) == date);
}

// Folded, a text is never longer than a date may be, and a date a reader
// takes from it is a real one, whatever space stands around the text.
void check_locale_reading(std::string_view text, const calc::date_recognizer &read)
{
    const auto folded = calc::fold(text);
    if (!folded)
        return;
    check(folded->size() <= 3 * calc::longest_date_utf16_units); // three bytes at most a unit
    const auto date = read.recognize(*folded, today);
    if (!date)
        return;
    check(in_range(*date));
    if (const auto padded = calc::fold(" " + std::string(text) + "\u00a0"))
        check(read.recognize(*padded, today) == date);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const auto order : {calc::date_order::month_day_year, calc::date_order::day_month_year,
                             calc::date_order::year_month_day})
        check_reading(text, order);
    static const calc::date_recognizer locales[] = {
        calc::date_recognizer(sample_locales::spanish), calc::date_recognizer(sample_locales::russian),
        calc::date_recognizer(sample_locales::japanese), calc::date_recognizer(sample_locales::thai),
        calc::date_recognizer(sample_locales::iranian),  calc::date_recognizer(sample_locales::saudi),
        calc::date_recognizer(sample_locales::japanese_eras), calc::date_recognizer(sample_locales::swedish),
        calc::date_recognizer(sample_locales::german), calc::date_recognizer(sample_locales::vietnamese),
        calc::date_recognizer(sample_locales::polish), calc::date_recognizer(sample_locales::arabic)};
    for (const auto &read : locales)
        check_locale_reading(text, read);
    return 0;
}
