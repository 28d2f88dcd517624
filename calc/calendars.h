#pragma once

// The calendars a date may be typed in, on the day numbers of calc/civil.h.
// Each runs from its year 1, or from 100-01-01 where that is later, to
// 9999-12-31, the program's range. Rules and epochs are ICU's: the tests hold
// every calendar to ICU's.

#include "calc/civil.h"
#include "calc/umalqura_table.h"

#include <array>
#include <bit>
#include <cstddef>
#include <iterator>
#include <limits>

namespace calc {

// The Japanese eras are calendars of their own, in order: an era's years mean
// nothing without it.
enum class calendar {
    gregorian,
    buddhist, // Thai: the Gregorian year + 543
    roc,      // Republic of China (Minguo): the Gregorian year - 1911
    meiji,
    taisho,
    showa,
    heisei,
    reiwa,
    persian,  // Solar Hijri, by the 33-year cycle (ICU's persian, Qt's Jalali)
    umalqura, // Islamic: the Saudi table, and the tabular civil calendar outside it
};

struct calendar_date {
    int year;
    int month;
    int day;
    friend constexpr bool operator==(const calendar_date &, const calendar_date &) = default;
};

constexpr bool is_japanese_era(calendar c) noexcept
{
    return c >= calendar::meiji && c <= calendar::reiwa;
}

// The Persian and Islamic calendars have months of their own; the others
// count the Gregorian months, and years that are Gregorian ones shifted.
constexpr bool has_own_months(calendar c) noexcept
{
    return c == calendar::persian || c == calendar::umalqura;
}

// 1 Farvardin 1, and 1 Muharram 1: a Friday, as the civil calendar counts.
constexpr int persian_epoch = days_from_civil(622, 3, 21);
constexpr int islamic_epoch = days_from_civil(622, 7, 19);

namespace detail {

// The first day of each calendar that counts Gregorian years: the program's
// first for the Gregorian and Buddhist ones; the others number their years
// from the one it falls in. Meiji begins where ICU has it, on the day of its
// proclamation in the old lunisolar calendar, read as a Gregorian date.
constexpr calendar_date gregorian_first_day(calendar c) noexcept
{
    switch (c) {
    case calendar::roc:    return {1912, 1, 1};
    case calendar::meiji:  return {1868, 9, 8};
    case calendar::taisho: return {1912, 7, 30};
    case calendar::showa:  return {1926, 12, 25};
    case calendar::heisei: return {1989, 1, 8};
    case calendar::reiwa:  return {2019, 5, 1};
    default:               return {100, 1, 1};
    }
}

// Added to a year of c, for a calendar that counts Gregorian years, gives the
// Gregorian year.
constexpr int gregorian_offset(calendar c) noexcept
{
    switch (c) {
    case calendar::gregorian: return 0;
    case calendar::buddhist:  return -543;
    default:                  return gregorian_first_day(c).year - 1;
    }
}

} // namespace detail

constexpr int first_day(calendar c) noexcept
{
    switch (c) {
    case calendar::persian:  return persian_epoch;
    case calendar::umalqura: return islamic_epoch;
    default: {
        const auto [y, m, d] = detail::gregorian_first_day(c);
        return days_from_civil(y, m, d);
    }
    }
}

// An era ends where the next begins.
constexpr int last_day(calendar c) noexcept
{
    return is_japanese_era(c) && c != calendar::reiwa
               ? first_day(static_cast<calendar>(static_cast<int>(c) + 1)) - 1
               : days_from_civil(9999, 12, 31);
}

// Preconditions: z >= first_day(calendar::meiji).
constexpr calendar japanese_era(int z) noexcept
{
    auto era = calendar::reiwa;
    while (z < first_day(era))
        era = static_cast<calendar>(static_cast<int>(era) - 1);
    return era;
}

namespace detail {

// Preconditions: y >= 0.
constexpr int islamic_year_start(int y) noexcept
{
    return islamic_epoch + 354 * (y - 1) + (3 + 11 * y) / 30;
}

constexpr bool in_umalqura_table(int y) noexcept
{
    return y >= umalqura_first_year && y - umalqura_first_year < std::ssize(umalqura_long_months);
}

// The first day of each year of the table, and the day after it ends.
constexpr auto umalqura_year_starts = [] {
    std::array<int, std::size(umalqura_long_months) + 1> starts{umalqura_first_day};
    for (std::size_t i = 0; i < std::size(umalqura_long_months); ++i)
        starts[i + 1] = starts[i] + 348 + std::popcount(umalqura_long_months[i]);
    return starts;
}();

// The table meets the civil calendar at both its ends, so that no day is lost
// or counted twice where one gives way to the other.
static_assert(umalqura_year_starts.front() == islamic_year_start(umalqura_first_year));
static_assert(umalqura_year_starts.back() ==
              islamic_year_start(umalqura_first_year + static_cast<int>(std::size(umalqura_long_months))));

// Preconditions: y is within one of a year of c.
constexpr int year_start(calendar c, int y) noexcept
{
    switch (c) {
    case calendar::persian:
        return persian_epoch + 365 * (y - 1) + (8 * y + 21) / 33;
    case calendar::umalqura:
        return in_umalqura_table(y) ? umalqura_year_starts[static_cast<std::size_t>(y - umalqura_first_year)]
                                    : islamic_year_start(y);
    default:
        return days_from_civil(y + gregorian_offset(c), 1, 1);
    }
}

// At most one from the year of c that holds day z, by the calendar's mean
// year: whole years in whole days.
// Preconditions: z in [first_day(c), last_day(c)].
constexpr int year_near(calendar c, int z) noexcept
{
    switch (c) {
    case calendar::persian:  return 1 + (z - persian_epoch) * 33 / 12053;
    case calendar::umalqura: return 1 + (z - islamic_epoch) * 30 / 10631;
    default:                 return 1 + (z - days_from_civil(1, 1, 1)) * 400 / 146097 - gregorian_offset(c);
    }
}

} // namespace detail

// Preconditions: m in [1, 12]; y is a year of c (see is_valid_date).
constexpr int last_day_of_month(calendar c, int y, int m) noexcept
{
    // The last month of the arithmetic calendars takes what the year leaves,
    // 29 days or, in a leap year, 30.
    const auto last_month = [&](int other_months) {
        return detail::year_start(c, y + 1) - detail::year_start(c, y) - other_months;
    };
    switch (c) {
    case calendar::persian:
        return m <= 6 ? 31 : m < 12 ? 30 : last_month(6 * 31 + 5 * 30);
    case calendar::umalqura:
        if (detail::in_umalqura_table(y))
            return 29 + (umalqura_long_months[y - umalqura_first_year] >> (m - 1) & 1);
        return m < 12 ? 29 + m % 2 : last_month(6 * 30 + 5 * 29);
    default:
        return last_day_of_month(y + detail::gregorian_offset(c), m);
    }
}

// Preconditions: is_valid_date(c, d).
constexpr int days_from_date(calendar c, const calendar_date &d) noexcept
{
    if (!has_own_months(c))
        return days_from_civil(d.year + detail::gregorian_offset(c), d.month, d.day);
    int z = detail::year_start(c, d.year) + d.day - 1;
    for (int m = 1; m < d.month; ++m)
        z += last_day_of_month(c, d.year, m);
    return z;
}

// Preconditions: z in [first_day(c), last_day(c)].
constexpr calendar_date date_from_days(calendar c, int z) noexcept
{
    if (!has_own_months(c)) {
        const auto [y, m, d] = civil_from_days(z);
        return {y - detail::gregorian_offset(c), m, d};
    }
    int y = detail::year_near(c, z);
    y -= z < detail::year_start(c, y);
    y += z >= detail::year_start(c, y + 1);
    int day = z - detail::year_start(c, y); // [0, 365]
    int m = 1;
    for (; day >= last_day_of_month(c, y, m); ++m)
        day -= last_day_of_month(c, y, m);
    return {y, m, day + 1};
}

namespace detail {

// The first and the last year of each calendar within the program's range.
constexpr auto years = [] {
    std::array<std::array<int, 2>, static_cast<std::size_t>(calendar::umalqura) + 1> years{};
    for (std::size_t i = 0; i < years.size(); ++i) {
        const auto c = static_cast<calendar>(i);
        years[i] = {date_from_days(c, first_day(c)).year, date_from_days(c, last_day(c)).year};
    }
    return years;
}();

} // namespace detail

// Whether d is a date of c, and within the program's range.
constexpr bool is_valid_date(calendar c, const calendar_date &d) noexcept
{
    const auto [first_year, last_year] = detail::years[static_cast<std::size_t>(c)];
    if (d.year < first_year || d.year > last_year || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > last_day_of_month(c, d.year, d.month))
        return false;
    const int z = days_from_date(c, d);
    return z >= first_day(c) && z <= last_day(c);
}

// The year a two-digit year stands for: one of the hundred years of c from
// the first that begins in 1950 (the one after the year that holds the last
// day of 1949), as 00 to 99 are 1950 to 2049 in the Gregorian calendar. Era
// years, Minguo's and the Japanese eras', are always written in full.
// Preconditions: digits in [1, 5]; year in [0, 99] when digits is 2.
constexpr int full_year(calendar c, int year, std::size_t digits) noexcept
{
    if (digits != 2 || is_japanese_era(c) || c == calendar::roc)
        return year;
    const int first = date_from_days(c, days_from_civil(1949, 12, 31)).year + 1;
    return first + (year - first % 100 + 100) % 100;
}

static_assert(!is_valid_date(calendar::buddhist, {std::numeric_limits<int>::max(), 12, 31}));
static_assert(!is_valid_date(calendar::persian, {std::numeric_limits<int>::min(), 1, 1}));
static_assert(date_from_days(calendar::persian, persian_epoch) == calendar_date{1, 1, 1});
static_assert(date_from_days(calendar::umalqura, islamic_epoch) == calendar_date{1, 1, 1});
static_assert(weekday_from_days(islamic_epoch) == 5); // a Friday
static_assert(days_from_date(calendar::umalqura, {umalqura_first_year, 1, 1}) == umalqura_first_day);
static_assert(days_from_date(calendar::buddhist, {2547, 1, 15}) == days_from_civil(2004, 1, 15));
static_assert(days_from_date(calendar::roc, {93, 1, 15}) == days_from_civil(2004, 1, 15));
static_assert(date_from_days(calendar::heisei, days_from_civil(2004, 1, 15)) == calendar_date{16, 1, 15});
static_assert(full_year(calendar::gregorian, 49, 2) == 2049 && full_year(calendar::gregorian, 50, 2) == 1950);
static_assert(full_year(calendar::buddhist, 92, 2) == 2592 && full_year(calendar::buddhist, 93, 2) == 2493);
static_assert(full_year(calendar::persian, 28, 2) == 1428 && full_year(calendar::persian, 29, 2) == 1329);
static_assert(full_year(calendar::umalqura, 69, 2) == 1469 && full_year(calendar::umalqura, 70, 2) == 1370);
static_assert(full_year(calendar::roc, 38, 2) == 38);
static_assert(full_year(calendar::heisei, 7, 2) == 7);

} // namespace calc
