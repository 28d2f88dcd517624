#pragma once

// A locale's date formats ("dddd, d. MMMM yyyy"), taken apart into the parts
// that the matcher walks.

#include "calc/date_rules.h"

#include <string>
#include <string_view>
#include <vector>

namespace calc {

enum class part : unsigned char { text, day, month, month_name, year, weekday, era };

struct element {
    part what;
    std::string text; // of a part::text, folded and without spaces
    friend bool operator==(const element &, const element &) = default;
};

using pattern = std::vector<element>;

// d and dd the day, ddd and dddd the weekday's name, M and MM the month, MMM
// and MMMM its name, y to yyyy the year, g and gg the era; anything else, or
// anything between single quotes, as written.
pattern pattern_of(std::string_view picture);

// Every pattern a locale's pictures stand for: each with and without its
// weekday and its era, none twice, and none that cannot tell a date.
std::vector<pattern> patterns_of(const std::vector<std::string> &pictures);

// How digits alone are read: in the order the short format writes its numbers.
date_order order_of(const pattern &short_format);

} // namespace calc
