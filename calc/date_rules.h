#pragma once

// What every reading of a date text holds to, whichever way it was written.

#include "calc/calendars.h"
#include "calc/civil.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace calc {

// The longest text, in bytes, that may be a date in English or ISO, which are
// ASCII; and in a locale's words, which a front end gives decomposed and in
// UTF-8, several bytes a character.
constexpr std::size_t longest_date_text = 255;
constexpr std::size_t longest_folded_date = 4 * longest_date_text;

// Preconditions: digits in [2, 4].
constexpr int full_year(int year, std::size_t digits) noexcept
{
    return full_year(calendar::gregorian, year, digits);
}

constexpr std::optional<civil_date> make_date(int y, int m, int d) noexcept
{
    if (y < 100 || y > 9999 || !is_valid_date(y, m, d))
        return std::nullopt;
    return civil_date{y, m, d};
}

constexpr int weekday_of(const civil_date &d) noexcept
{
    return weekday_from_days(days_from_civil(d.year, d.month, d.day));
}

// Whether what follows a date is nothing but white space, or a possible time
// of day ("14:30", "2:30 pm", ISO's "T14:30:05.250"), which is then dropped.
bool nothing_but_a_time(std::string_view rest) noexcept;

} // namespace calc
