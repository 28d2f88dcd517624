#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// English names, ISO, and digits in the given order. Dates run from
// 100-01-01 to 9999-12-31; a time of day after the date is checked and then
// dropped. ASCII only: see date_recognizer for everything else.
std::optional<civil_date> recognize_date(std::string_view text, date_order order);

// How the user's locale writes dates, as the platform tells it. Texts are
// UTF-8 in Unicode's decomposed form (NFD); names are in lower case by the
// locale's own rules.
struct locale_dates {
    // Pictures such as "dddd, d. MMMM yyyy": d and dd the day, ddd and dddd
    // the weekday's name, M and MM the month, MMM and MMMM its name, y to yyyy
    // the year; anything else, or anything between single quotes, as written.
    // The first is the short format: it decides the order of digits-only dates.
    std::vector<std::string> formats;
    std::array<std::vector<std::string>, 12> months;  // every name of each month, January first
    std::array<std::vector<std::string>, 7> weekdays; // Sunday first
};

// The one answer to both "is this text a date?" and "which date?", so that the
// two can never disagree. Takes what recognize_date takes, in the locale's
// order, and what the locale's formats write, with or without the weekday,
// with any of a name's forms, and with spaces added or left out. Any Unicode
// decimal digit counts as the digit it is. Where two readings of a text give
// different dates, it is not a date.
class date_recognizer {
public:
    explicit date_recognizer(const locale_dates &locale = {});

    // Preconditions: text is folded as locale_dates' names are.
    std::optional<civil_date> operator()(std::string_view text) const;

    // What a format is kept as.
    enum class part : unsigned char { text, day, month, month_name, year, weekday };
    struct element {
        part what;
        std::string text; // of a part::text, folded and without spaces
        friend bool operator==(const element &, const element &) = default;
    };
    using pattern = std::vector<element>;

private:
    struct partial;
    template <typename Found>
    void match(const pattern &p, std::size_t at, std::string_view rest, partial got, Found &found) const;

    std::vector<pattern> patterns;
    std::array<std::vector<std::string>, 12> months;
    std::array<std::vector<std::string>, 7> weekdays;
    date_order order;
};

} // namespace calc
