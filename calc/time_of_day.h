#pragma once

// A time of day after a date, and a time zone after the time, which the
// date's reading then leaves out: a zone written does not move the date.

#include "calc/ascii.h"
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

// The names of UTC that every locale reads, and the abbreviations the tz
// database gives the zones in use, which the C library, Go and mail write.
inline constexpr std::string_view zone_names[] = {
    "utc",  "gmt",  "ut",  "z",   "acdt", "acst", "adt", "aedt", "aest", "akdt", "akst", "ast", "awst",
    "bst",  "cat",  "cdt", "cest", "cet", "chst", "cst", "eat",  "edt",  "eest", "eet",  "est", "hdt",
    "hkt",  "hst",  "idt", "ist",  "jst", "kst",  "mdt", "mest", "met",  "msk",  "mst",  "ndt", "nst",
    "nzdt", "nzst", "pdt", "pkt",  "pst", "sast", "sst", "wat",  "west", "wet",  "wib",  "wit", "wita"};

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

// A zone's name in round brackets, in words of any script, as JavaScript and
// mail write it after an offset: "(Coordinated Universal Time)", "(CET)".
constexpr bool take_zone_words(std::string_view &s) noexcept
{
    auto rest = s;
    if (!take_mark(rest, '('))
        return false;
    const auto is_letters = [](const token &t) {
        return t.what == kind::word || (t.what == kind::mark && static_cast<unsigned char>(t.text[0]) >= 0x80);
    };
    int words = 0;
    for (auto t = scan(rest); is_letters(t); t = scan(rest), ++words)
        rest = t.after;
    if (words == 0 || !take_mark(rest, ')'))
        return false;
    s = rest;
    return true;
}

// A zone's name as the tz database writes it, an area and a place, in square
// brackets, as Java writes it after an offset: "[America/New_York]", "[Etc/GMT+5]".
constexpr bool take_area_location(std::string_view &s) noexcept
{
    auto rest = s;
    if (!take_mark(rest, '['))
        return false;
    const auto is_joint = [](const token &t) {
        return t.what == kind::mark && std::string_view("_-+").find(t.text[0]) != std::string_view::npos;
    };
    int parts = 0;
    do {
        if (scan(rest).what != kind::word)
            return false;
        for (auto t = scan(rest); t.what == kind::word || t.what == kind::number || is_joint(t); t = scan(rest))
            rest = t.after;
        ++parts;
    } while (take_mark(rest, '/'));
    if (parts < 2 || !take_mark(rest, ']'))
        return false;
    s = rest;
    return true;
}

// A fraction of a second, down to nanoseconds, or none: after a full stop,
// or a comma its digits follow at once ("09:03:41,123", never a year in
// "09:03:41, 2004"). False for a full stop without its digits.
constexpr bool take_fraction(std::string_view &s) noexcept
{
    if (auto rest = s; take_mark(rest, ',') && !rest.empty() && ascii::is_digit(rest.front()))
        s = rest;
    else if (!take_mark(s, '.'))
        return true;
    return take_number(s, 1, 9).has_value();
}

// "14:30", "14:30:05", "14:30:05.250", "09:03:41,123", "2:30 pm", "10am", or
// ISO's "T14:30:00". An hour alone only with its AM or PM.
constexpr std::optional<time_of_day> take_time(std::string_view &s) noexcept
{
    take_word(s, "t");
    const auto hour = take_number(s, 1, 2);
    if (!hour)
        return std::nullopt;
    int minute = 0, second = 0;
    const bool minutes = take_mark(s, ':');
    if (minutes) {
        const auto m = take_number(s, 2, 2);
        if (!m)
            return std::nullopt;
        minute = m->value;
        if (take_mark(s, ':')) {
            const auto n = take_number(s, 2, 2);
            if (!n || !take_fraction(s))
                return std::nullopt;
            second = n->value;
        }
    }
    const bool twelve_hour = take_word(s, "am") || take_word(s, "pm");
    if (!minutes && !twelve_hour)
        return std::nullopt;
    return time_of_day{hour->value, minute, second, twelve_hour};
}

// ISO's basic time after its basic date: "T1430", "T143005", "T143005.250".
constexpr std::optional<time_of_day> take_basic_time(std::string_view &s) noexcept
{
    if (!take_word(s, "t"))
        return std::nullopt;
    const auto n = take_number(s, 4, 6);
    if (!n || n->digits == 5 || !take_fraction(s))
        return std::nullopt;
    const int hours_minutes = n->digits == 6 ? n->value / 100 : n->value;
    return time_of_day{hours_minutes / 100, hours_minutes % 100, n->digits == 6 ? n->value % 100 : 0, false};
}

} // namespace detail

// A zone as every locale writes it: a name of UTC or an abbreviation of the
// tz database's, or an offset, and in brackets too ("(UTC)", "[GMT]"). Moves
// `s` past it, or leaves it alone.
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

// A zone's abbreviation where a form has a place for one, whatever its two to
// five letters: "Wed Apr 09 09:03:41 BRT 1958", as Java writes it.
constexpr bool take_abbreviation(std::string_view &s) noexcept
{
    const auto t = tokens::scan(s);
    if (t.what != tokens::kind::word || t.text.size() < 2 || t.text.size() > 5)
        return false;
    s = t.after;
    return true;
}

// Moves `s` past a time of day that can be.
constexpr bool take_possible_time(std::string_view &s) noexcept
{
    auto rest = s;
    const auto time = detail::take_time(rest);
    if (!time || !is_valid_time(*time))
        return false;
    s = rest;
    return true;
}

// Whether nothing but white space follows, or a zone and perhaps its name or
// a second zone ("+0000 (UTC)", "+0100 CET", "-05:00[America/New_York]").
constexpr bool is_zone_or_nothing(std::string_view rest) noexcept
{
    if (take_zone(rest))
        take_zone(rest) || detail::take_zone_words(rest) || detail::take_area_location(rest);
    return tokens::at_end(rest);
}

// Whether what follows is a possible time of day in English or ISO, or a
// range whose first time counts ("10:00 AM – 11:00 AM"), then a zone or two
// and nothing after.
constexpr bool is_time(std::string_view rest) noexcept
{
    if (!take_possible_time(rest))
        return false;
    // A hyphen may also be an offset's sign ("14:30 -05:00"): both are tried.
    if (auto range = rest; (tokens::take_mark(range, '-') || tokens::take_character(range, "\u2013"))
                           && take_possible_time(range) && is_zone_or_nothing(range))
        return true;
    return is_zone_or_nothing(rest);
}

// Whether what follows a date is nothing but white space, or a time (see
// is_time), after a comma or "at" too.
constexpr bool is_time_or_nothing(std::string_view rest) noexcept
{
    if (tokens::at_end(rest))
        return true;
    if (!tokens::take_mark(rest, ','))
        tokens::take_word(rest, "at");
    return is_time(rest);
}

// Whether what follows ISO's basic date ("20261225") is nothing, or its basic
// time and a zone ("T143005Z").
constexpr bool is_basic_time_or_nothing(std::string_view rest) noexcept
{
    if (tokens::at_end(rest))
        return true;
    const auto time = detail::take_basic_time(rest);
    return time && is_valid_time(*time) && is_zone_or_nothing(rest);
}

static_assert(is_time_or_nothing(" t14:30:05.250") && is_time_or_nothing("12:00 AM") && is_time_or_nothing(" "));
static_assert(!is_time_or_nothing("24:00") && !is_time_or_nothing("0:30 am") && !is_time_or_nothing("14:30 x"));
static_assert(is_time_or_nothing("t09:03:41z") && is_time_or_nothing("t04:03:41-05:00")
              && is_time_or_nothing("09:03:41 +0000 (utc)") && is_time_or_nothing("9:03 utc+1"));
static_assert(!is_time_or_nothing("09:03 +2400") && !is_time_or_nothing("09:03 (utc") && !is_time_or_nothing("09:03 xyz"));
static_assert(is_time_or_nothing(", 10am - 11am") && is_time_or_nothing("at 09:03:41,123 +0100 (CET)")
              && is_time_or_nothing("t04:03:41-05:00[america/new_york]") && is_time_or_nothing("09:03 -05:00 est"));
static_assert(!is_time_or_nothing("10") && !is_time_or_nothing(",") && !is_time_or_nothing("10am - 13pm")
              && !is_time_or_nothing("t04:03-05:00[new_york]") && !is_time_or_nothing("09:03 +0100 (1)")
              && !is_time_or_nothing("09:03:41, 2004"));
static_assert(is_basic_time_or_nothing("t143005z") && is_basic_time_or_nothing("T1430+0100")
              && !is_basic_time_or_nothing("t14305") && !is_basic_time_or_nothing("t246000"));

} // namespace calc
