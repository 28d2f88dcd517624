#pragma once

// A time of day after a date, and a time zone after the time, which the
// date's reading then leaves out: a zone written does not move the date.

#include "calc/tokens.h"

#include <optional>
#include <string_view>

namespace calc {

struct time_of_day {
    int hour = 0, minute = 0, second = 0;
    bool twelve_hour = false; // written with a day period, or as the hour of 1 to 12
};

constexpr bool is_valid_time(const time_of_day &t) noexcept
{
    const bool hour_fits = t.twelve_hour ? t.hour >= 1 && t.hour <= 12 : t.hour >= 0 && t.hour <= 23;
    return hour_fits && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

namespace detail {

using namespace tokens;

// "+0000", "-05:00", "+05:30", "+1": hours of at most 14, minutes of at most 59.
constexpr bool take_offset(std::string_view &s) noexcept
{
    auto rest = s;
    if (!take_mark(rest, '+') && !take_mark(rest, '-'))
        return false;
    const auto first = take_number(rest, 1, 4);
    if (!first)
        return false;
    int hours = first->value, minutes = 0;
    if (first->digits > 2) {
        hours = first->value / 100;
        minutes = first->value % 100;
    } else if (take_mark(rest, ':')) {
        const auto n = take_number(rest, 2, 2);
        if (!n)
            return false;
        minutes = n->value;
    }
    if (hours > 14 || minutes > 59)
        return false;
    s = rest;
    return true;
}

// The names of UTC that every locale reads, and those the mail of North
// America still carries.
inline constexpr std::string_view zone_names[] = {"utc", "gmt", "ut", "z",   "est", "edt",
                                                  "cst", "cdt", "mst", "mdt", "pst", "pdt"};

constexpr bool take_zone_name(std::string_view &s) noexcept
{
    const auto t = scan(s);
    if (t.what != kind::word)
        return take_offset(s);
    for (const auto name : zone_names)
        if (same_letters(t.text, name)) {
            s = t.after;
            take_offset(s); // "UTC+1", "GMT+01:00"
            return true;
        }
    return false;
}

// "14:30", "14:30:05", "14:30:05.250", "2:30 pm", or ISO's "T14:30:00".
// Fractions go down to nanoseconds.
constexpr std::optional<time_of_day> take_time(std::string_view &s) noexcept
{
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

// A zone as every locale writes it: a name of UTC or of mail's, or an offset,
// and in brackets too ("(UTC)", "[GMT]"). Moves `s` past it, or leaves it alone.
constexpr bool take_zone(std::string_view &s) noexcept
{
    auto rest = s;
    const bool round = tokens::take_mark(rest, '('), square = !round && tokens::take_mark(rest, '[');
    if (!detail::take_zone_name(rest) || (round && !tokens::take_mark(rest, ')'))
        || (square && !tokens::take_mark(rest, ']')))
        return false;
    s = rest;
    return true;
}

// Whether what follows a date is nothing but white space, or a possible time
// of day in English or ISO, then a zone or two ("+0000 (UTC)"), and nothing after.
constexpr bool is_time_or_nothing(std::string_view rest) noexcept
{
    if (tokens::at_end(rest))
        return true;
    const auto time = detail::take_time(rest);
    if (!time || !is_valid_time(*time))
        return false;
    if (take_zone(rest))
        take_zone(rest);
    return tokens::at_end(rest);
}

static_assert(is_time_or_nothing(" t14:30:05.250") && is_time_or_nothing("12:00 AM") && is_time_or_nothing(" "));
static_assert(!is_time_or_nothing("24:00") && !is_time_or_nothing("0:30 am") && !is_time_or_nothing("14:30 x"));
static_assert(is_time_or_nothing("t09:03:41z") && is_time_or_nothing("t04:03:41-05:00")
              && is_time_or_nothing("09:03:41 +0000 (utc)") && is_time_or_nothing("9:03 utc+1"));
static_assert(!is_time_or_nothing("09:03 +2400") && !is_time_or_nothing("09:03 (utc") && !is_time_or_nothing("09:03 cet"));

} // namespace calc
