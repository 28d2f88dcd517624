#pragma once

// Dates as the user's locale writes them, besides English and ISO.

#include "calc/calendars.h"
#include "calc/civil.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace calc {

// How the user's locale writes dates, as the platform tells it. Texts are
// UTF-8 in Unicode's decomposed form (NFD); names are in lower case by the
// locale's own rules.
struct locale_vocabulary {
    // Pictures such as "dddd, d. MMMM yyyy": d and dd the day, ddd and dddd
    // the weekday's name, M and MM the month, MMM and MMMM its name, y to yyyy
    // the year, g and gg the era; anything else, or anything between single
    // quotes, as written. The pictures of every calendar the locale writes
    // dates in; the first is the short format of its own calendar, which
    // decides the order of digits-only dates.
    std::vector<std::string> formats;
    std::array<std::vector<std::string>, 12> months;  // every name of each Gregorian month, January first
    std::array<std::vector<std::string>, 7> weekdays; // Sunday first

    // The locale's own calendar: digits-only dates are in it, and so are
    // dates in its months' names, and in Thai every date without an era.
    calc::calendar own_calendar = calc::calendar::gregorian;
    // Every name of each month of its own calendar, where it has months of its own.
    std::array<std::vector<std::string>, 12> own_months{};
    // Every name of each era the locale writes, and the calendar it names (a
    // Japanese era is a calendar of its own). An era named decides the calendar.
    std::vector<std::pair<std::string, calendar>> eras{};
    // Words that stand for an era's first year, as Japanese 元 does for 1.
    std::vector<std::string> first_years{};
};

// The one answer to both "is this text a date?" and "which date?", so that the
// two can never disagree. Takes what recognize_date takes, in the locale's
// order, and what the locale's formats write, with or without the weekday,
// with any of a name's forms, and with spaces added or left out. Any Unicode
// decimal digit counts as the digit it is. Where two readings of a text give
// different dates, it is not a date.
class date_recognizer {
public:
    explicit date_recognizer(const locale_vocabulary &vocabulary = {});
    date_recognizer(date_recognizer &&) noexcept;
    ~date_recognizer();

    // Preconditions: text is folded as locale_vocabulary's names are.
    std::optional<civil_date> operator()(std::string_view text) const;

private:
    struct compiled; // the formats taken apart, the names as they are compared
    std::unique_ptr<const compiled> known;
};

// Whether the reader takes the character for a space: Unicode's spaces, the no-break ones among them.
constexpr bool is_space(char32_t c) noexcept
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x00A0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The most characters (UTF-16 code units) of a typed text that may be a date,
// once the spaces around it are left out.
constexpr std::size_t longest_typed_date = 255;

// A typed text without the spaces around it, or nothing when what is left is
// too long to be a date. Front ends ask this before folding a text, which
// costs with its length, and a box may hold thousands of characters.
constexpr std::optional<std::u16string_view> typed_date_text(std::u16string_view text) noexcept
{
    while (!text.empty() && is_space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_space(text.back()))
        text.remove_suffix(1);
    if (text.size() > longest_typed_date)
        return std::nullopt;
    return text;
}

} // namespace calc
