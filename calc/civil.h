#pragma once

// Day numbers of the proleptic Gregorian calendar, after Howard Hinnant's
// public-domain civil-date algorithms. Day 0 is 1970-01-01.

namespace calc {

// Proleptic Gregorian.
struct civil_date {
    int year;
    int month;
    int day;
    friend constexpr bool operator==(const civil_date &, const civil_date &) = default;
};

constexpr bool is_leap(int y) noexcept
{
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

// Preconditions: m in [1, 12].
constexpr int last_day_of_month(int y, int m) noexcept
{
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && is_leap(y) ? 29 : lengths[m - 1];
}

constexpr bool is_valid_date(int y, int m, int d) noexcept
{
    return m >= 1 && m <= 12 && d >= 1 && d <= last_day_of_month(y, m);
}

// Preconditions: is_valid_date(y, m, d) and y >= 0 (all our years are).
constexpr int days_from_civil(int y, int m, int d) noexcept
{
    y -= m <= 2;
    const int era = y / 400;
    const int yoe = y - era * 400;                                // [0, 399]
    const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;        // [0, 146096]
    return era * 146097 + doe - 719468;
}

// Preconditions: z >= -719468 (0000-03-01 and later).
constexpr civil_date civil_from_days(int z) noexcept
{
    z += 719468;
    const int era = z / 146097;
    const int doe = z - era * 146097;                                     // [0, 146096]
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);             // [0, 365]
    const int mp = (5 * doy + 2) / 153;                                   // [0, 11]
    const int d = doy - (153 * mp + 2) / 5 + 1;                           // [1, 31]
    const int m = mp < 10 ? mp + 3 : mp - 9;                              // [1, 12]
    return {yoe + era * 400 + (m <= 2), m, d};
}

// 0 is Sunday, 6 is Saturday.
constexpr int weekday_from_days(int z) noexcept
{
    return z >= -4 ? (z + 4) % 7 : (z + 5) % 7 + 6;
}

static_assert(days_from_civil(1970, 1, 1) == 0);
static_assert(days_from_civil(2000, 3, 1) == 11017);
static_assert(days_from_civil(100, 1, 1) == -683003);
static_assert(days_from_civil(9999, 12, 31) == 2932896);
static_assert(civil_from_days(0) == civil_date{1970, 1, 1});
static_assert(civil_from_days(11017) == civil_date{2000, 3, 1});
static_assert(civil_from_days(-683003) == civil_date{100, 1, 1});
static_assert(weekday_from_days(days_from_civil(2004, 1, 15)) == 4); // a Thursday
static_assert(weekday_from_days(days_from_civil(1969, 12, 31)) == 3); // a Wednesday

} // namespace calc
