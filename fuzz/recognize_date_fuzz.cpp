#include "calc/civil.h"
#include "calc/date_text.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// Built with NDEBUG, so no assert(); libFuzzer keeps the input of any abort.
void check(bool holds)
{
    if (!holds)
        std::abort();
}

void check_reading(std::string_view text, calc::date_order order)
{
    const auto date = calc::recognize_date(text, order);
    if (text.size() > 255)
        check(!date);
    if (!date)
        return;
    check(date->year >= 100 && date->year <= 9999 && calc::is_valid_date(date->year, date->month, date->day));

    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date->year, date->month, date->day);
    check(calc::recognize_date(iso, order) == date);

    // Case never changes the answer, nor does space around the text while it stays short enough.
    char shouted[255];
    const bool padded = text.size() + 2 <= sizeof shouted;
    std::size_t size = 0;
    if (padded)
        shouted[size++] = ' ';
    for (const char c : text)
        shouted[size++] = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (padded)
        shouted[size++] = '\t';
    check(calc::recognize_date({shouted, size}, order) == date);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const auto order : {calc::date_order::month_day_year, calc::date_order::day_month_year,
                             calc::date_order::year_month_day})
        check_reading(text, order);
    return 0;
}
