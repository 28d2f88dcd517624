#pragma once

// What every reading of a date text holds to, whichever reader found it and
// in whichever calendar it was written.

#include "calc/calendars.h"
#include "calc/civil.h"

#include <cstddef>
#include <optional>

namespace calc {

// How a date written only in digits is read.
enum class date_order { month_day_year, day_month_year, year_month_day };

// A date's parts as a reader found them, before a calendar says which day they name.
struct date_fields {
    int year = 0;
    std::size_t year_digits = 0; // 1 to 5: a Buddhist year past 9456 has five; 0 where none is written
    int month = 0;
    int day = 0;
    int weekday = -1; // 0 Sunday to 6 Saturday; -1 where none is written
};

// The day that `f` names in calendar c: it must exist there and within the
// program's range, and a weekday written must be its own. A year not
// written (see in_year_of) makes no date.
constexpr std::optional<civil_date> check_date(calendar c, const date_fields &f) noexcept
{
    const calendar_date d{full_year(c, f.year, f.year_digits), f.month, f.day};
    if (!is_valid_date(c, d))
        return std::nullopt;
    const int z = days_from_date(c, d);
    if (f.weekday >= 0 && f.weekday != weekday_from_days(z))
        return std::nullopt;
    const auto [year, month, day] = date_from_days(calendar::gregorian, z);
    return civil_date{year, month, day};
}

// A date written without its year is in the year of c that holds day `today`.
constexpr date_fields in_year_of(calendar c, date_fields f, int today) noexcept
{
    if (f.year_digits == 0 && today >= first_day(c) && today <= last_day(c)) {
        f.year = date_from_days(c, today).year;
        f.year_digits = 4; // in full
    }
    return f;
}

static_assert(check_date(calendar::buddhist, {69, 2, 12, 7, 1}) == civil_date{2026, 12, 7}); // a Monday
static_assert(!check_date(calendar::gregorian, {2026, 4, 12, 7, 2}));
static_assert(!check_date(calendar::gregorian, {4, 1, 1, 1, -1}));
static_assert(check_date(calendar::persian, {1, 1, 1, 1, -1}) == civil_date{622, 3, 21});
static_assert(check_date(calendar::reiwa, {1, 1, 5, 1, -1}) == civil_date{2019, 5, 1});
static_assert(check_date(calendar::buddhist, {10542, 5, 12, 31, -1}) == civil_date{9999, 12, 31});
static_assert(check_date(calendar::persian, in_year_of(calendar::persian, {0, 0, 9, 16, -1}, days_from_civil(2026, 1, 15)))
              == civil_date{2025, 12, 7});

} // namespace calc
