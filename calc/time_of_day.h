#pragma once

// A time of day after a date, which the date's reading then leaves out.

#include "calc/tokens.h"

#include <optional>
#include <string_view>

namespace calc {
namespace detail {

struct time_of_day {
    int hour, minute, second;
    bool twelve_hour;
};

constexpr bool is_valid_time(const time_of_day &t) noexcept
{
    const bool hour_fits = t.twelve_hour ? t.hour >= 1 && t.hour <= 12 : t.hour <= 23;
    return hour_fits && t.minute <= 59 && t.second <= 59;
}

// "14:30", "14:30:05", "14:30:05.250", "2:30 pm", or ISO's "T14:30:00".
// Fractions go down to nanoseconds.
constexpr std::optional<time_of_day> take_time(std::string_view &s) noexcept
{
    using namespace tokens;
    take_word(s, "t");
    const auto hour = take_number(s, 1, 2);
    if (!hour || !take_mark(s, ':'))
        return std::nullopt;
    const auto minute = take_number(s, 2, 2);
    if (!minute)
        return std::nullopt;
    int second = 0;
    if (take_mark(s, ':')) {
        const auto n = take_number(s, 2, 2);
        if (!n || (take_mark(s, '.') && !take_number(s, 1, 9)))
            return std::nullopt;
        second = n->value;
    }
    const bool twelve_hour = take_word(s, "am") || take_word(s, "pm");
    return time_of_day{hour->value, minute->value, second, twelve_hour};
}

} // namespace detail

// Whether what follows a date is nothing but white space, or a possible time
// of day and nothing after it; the time is then left out.
constexpr bool is_time_or_nothing(std::string_view rest) noexcept
{
    if (tokens::at_end(rest))
        return true;
    const auto time = detail::take_time(rest);
    return time && detail::is_valid_time(*time) && tokens::at_end(rest);
}

static_assert(is_time_or_nothing(" t14:30:05.250") && is_time_or_nothing("12:00 AM") && is_time_or_nothing(" "));
static_assert(!is_time_or_nothing("24:00") && !is_time_or_nothing("0:30 am") && !is_time_or_nothing("14:30 x"));

} // namespace calc
