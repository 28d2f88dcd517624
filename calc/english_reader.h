#pragma once

// Dates in English and ISO, which every locale reads.

#include "calc/civil.h"
#include "calc/date_rules.h"

#include <optional>
#include <string_view>

namespace calc {

// What the English reader found: a date's parts, and whether they were
// written in digits alone, which the locale's own calendar then reads (but for
// ISO's year-first form with dashes, which is Gregorian).
struct english_fields {
    date_fields date;
    bool in_digits;
};

// English names, ISO, and digits in the given order, with their year or a
// day and month alone, then a time of day or nothing; the time may also stand
// before the year, as the C library writes it. ASCII in any letter case, but
// for a few marks and a zone's name; other text is no English date.
std::optional<english_fields> parse_english(std::string_view text, date_order order) noexcept;

// The same, as a Gregorian date from 100-01-01 to 9999-12-31; one without its
// year is in the year of `today`.
std::optional<civil_date> recognize_english(std::string_view text, date_order order, civil_date today) noexcept;

} // namespace calc
