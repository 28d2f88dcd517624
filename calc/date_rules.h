#pragma once

// What every reading of a date text holds to, whichever way and in whichever
// calendar it was written.

#include "calc/calendars.h"
#include "calc/civil.h"
#include "calc/date_text.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace calc {

// The longest text, in bytes, that may be a date in English or ISO, which are
// ASCII; and in a locale's words, which a front end gives decomposed and in
// UTF-8, several bytes a character.
constexpr std::size_t longest_date_text = 255;
constexpr std::size_t longest_folded_date = 4 * longest_date_text;

// A date's parts as a reader found them, before a calendar says which day they name.
struct written_date {
    int year = 0;
    std::size_t year_digits = 0;
    int month = 0;
    int day = 0;
    int weekday = -1; // 0 Sunday to 6 Saturday; -1 where none is written
};

// The day that `w` names in calendar c: it must exist there and within the
// program's range, and a weekday written must be its own.
// Preconditions: w.year_digits in [1, 5].
constexpr std::optional<civil_date> date_in(calendar c, const written_date &w) noexcept
{
    const calendar_date d{full_year(c, w.year, w.year_digits), w.month, w.day};
    if (!is_valid_date(c, d))
        return std::nullopt;
    const int z = days_from_date(c, d);
    if (w.weekday >= 0 && w.weekday != weekday_from_days(z))
        return std::nullopt;
    const auto [year, month, day] = date_from_days(calendar::gregorian, z);
    return civil_date{year, month, day};
}

static_assert(date_in(calendar::buddhist, {69, 2, 12, 7, 1}) == civil_date{2026, 12, 7}); // a Monday
static_assert(!date_in(calendar::gregorian, {2026, 4, 12, 7, 2}));
static_assert(!date_in(calendar::gregorian, {4, 1, 1, 1, -1}));
static_assert(date_in(calendar::persian, {1, 1, 1, 1, -1}) == civil_date{622, 3, 21});
static_assert(date_in(calendar::reiwa, {1, 1, 5, 1, -1}) == civil_date{2019, 5, 1});

// What the English reader found: a date's parts, and whether they were
// written in digits alone, which the locale's own calendar then reads (but for
// ISO's year-first form with dashes, which is Gregorian).
struct english_reading {
    written_date date;
    bool in_digits;
};

std::optional<english_reading> read_english(std::string_view text, date_order order) noexcept;

// Whether what follows a date is nothing but white space, or a possible time
// of day ("14:30", "2:30 pm", ISO's "T14:30:05.250"), which is then dropped.
bool nothing_but_a_time(std::string_view rest) noexcept;

} // namespace calc
