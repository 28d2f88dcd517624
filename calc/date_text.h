#pragma once

#include <optional>
#include <string_view>

namespace calc {

// Proleptic Gregorian.
struct civil_date {
    int year;
    int month;
    int day;
    friend constexpr bool operator==(const civil_date &, const civil_date &) = default;
};

// How a date written only in digits is read.
enum class date_order { month_day_year, day_month_year, year_month_day };

// The one answer to both "is this text a date?" and "which date?", so that the
// two can never disagree. Dates run from 100-01-01 to 9999-12-31; a time of day
// after the date is checked and then dropped.
std::optional<civil_date> recognize_date(std::string_view text, date_order order);

} // namespace calc
