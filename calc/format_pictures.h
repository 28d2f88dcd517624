#pragma once

// A locale's date and time formats ("dddd, d. MMMM yyyy", "H.mm.ss"), taken
// apart into the parts that the matcher walks.

#include "calc/date_rules.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

enum class part : unsigned char {
    text, day, month, month_name, year, weekday, era,
    hour, twelve_hour, minute, second, day_period, zone
};

struct element {
    part what;
    std::string text; // of a part::text, folded and without spaces
    std::size_t least_digits = 1; // 2 for a minute or second written mm or ss, 3 for a year in full
    // A year, and the words that end a pattern (cut short too), may be left
    // out; not an hour's own word, nor some years of digits alone.
    bool may_be_left_out = true;
    friend bool operator==(const element &, const element &) = default;
};

using pattern = std::vector<element>;

// d and dd the day, ddd and dddd the weekday's name, M and MM the month, MMM
// and MMMM its name, y to yyyy the year, g and gg the era; H and HH the hour
// of 0 to 23, h and hh of 1 to 12, m and mm the minute, s and ss the second,
// t and tt the day period (AM, PM), z the zone; anything else, or anything
// between single quotes, as written.
pattern pattern_of(std::string_view picture);

// The picture with its fields as they are and its words, quoted or not, as
// `lower` writes them, quoted.
std::string with_words_lowered(std::string_view picture, const std::function<std::string(std::string_view)> &lower);

// Every pattern a locale's date pictures stand for: each with and without its
// weekday, its era and its zone, none twice, and none that cannot tell a date.
// Digits alone are read in one order, `digits`; a picture of digits alone in
// another may only write the year first, with three digits or more, which
// that order cannot read. Without their year, digits are read in the order
// `without_year`.
std::vector<pattern> patterns_of(const std::vector<std::string> &pictures, date_order digits, date_order without_year);

// The same of pictures of a day and month without their year ("d/M", "ddd d. MMM").
std::vector<pattern> patterns_without_year_of(const std::vector<std::string> &pictures, date_order digits);

// Every pattern of a locale's times of day, with and without the day's
// period, and without their zones, which any time may be followed by; none
// twice, and none without an hour and a minute, or an hour and words. An
// hour's own word ("HH 'Uhr'") may follow a time that ends in its minutes or
// seconds ("14:30 Uhr"), and minutes may follow the hour and its word ("14h30").
std::vector<pattern> time_patterns_of(const std::vector<std::string> &pictures);

// Whether the pattern holds a time of day, as the C library's date-times do.
bool has_time(const pattern &p);

// How digits alone are read: in the order the short format writes its numbers.
date_order order_of(const pattern &short_format);

} // namespace calc
