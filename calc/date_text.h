#pragma once

// Dates in English and ISO, which every locale reads.

#include "calc/civil.h"

#include <optional>
#include <string_view>

namespace calc {

// How a date written only in digits is read.
enum class date_order { month_day_year, day_month_year, year_month_day };

// English names, ISO, and digits in the given order. Dates run from
// 100-01-01 to 9999-12-31; a time of day after the date is checked and then
// dropped. ASCII only: see date_recognizer for everything else.
std::optional<civil_date> recognize_date(std::string_view text, date_order order);

} // namespace calc
