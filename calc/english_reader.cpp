#include "calc/english_reader.h"

#include "calc/folding.h"
#include "calc/time_of_day.h"
#include "calc/tokens.h"

#include <cstddef>

// The text is read as a short run of tokens, and the date is then told from
// where its month name, if any, stands. Everything is constexpr so the forms
// below are checked at compile time as well.

namespace calc {
namespace {

constexpr std::string_view month_names[] = {"january", "february", "march",     "april",
                                            "may",     "june",     "july",      "august",
                                            "september", "october", "november", "december"};
// In the order of weekday_from_days: Sunday first.
constexpr std::string_view weekday_names[] = {"sunday",   "monday", "tuesday", "wednesday",
                                              "thursday", "friday", "saturday"};

using namespace tokens;

// A name in full or cut to three letters or more ("Sep", "Sept", "Thurs"),
// and then a full stop if it was cut or is as short as a cut one ("May.").
// Returns the name's index.
template <std::size_t N>
constexpr std::optional<int> take_english_name(std::string_view &s, const std::string_view (&names)[N]) noexcept
{
    const auto t = scan(s);
    if (t.what != kind::word || t.text.size() < 3)
        return std::nullopt;
    for (std::size_t i = 0; i < N; ++i) {
        if (t.text.size() <= names[i].size() && same_letters(t.text, names[i].substr(0, t.text.size()))) {
            s = t.after;
            if (t.text.size() < names[i].size() || t.text.size() == 3)
                take_mark(s, '.');
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

constexpr std::string_view ordinal_suffix(int n) noexcept
{
    if (n % 100 >= 11 && n % 100 <= 13)
        return "th";
    switch (n % 10) {
    case 1: return "st";
    case 2: return "nd";
    case 3: return "rd";
    default: return "th";
    }
}

constexpr bool is_ordinal_suffix(std::string_view word) noexcept
{
    return same_letters(word, "st") || same_letters(word, "nd") || same_letters(word, "rd")
        || same_letters(word, "th");
}

// One of a date's three parts as written: a number, or a month's name.
struct field {
    int value;          // the number, or the month's number
    std::size_t digits; // 0 for a name
    bool ordinal;       // the number carried its suffix
    bool of;            // and "of" after it, before its month: "9th of April"
    bool apostrophe;    // a year's last two digits after one: "'58"
};

constexpr bool is_name(const field &f) noexcept
{
    return f.digits == 0;
}

// A month's name, or a number: an ordinal with "the" before it and "of"
// after it where written ("the 9th of"), or a year's two digits after an
// apostrophe, as typed or as a word processor makes it.
constexpr std::optional<field> take_field(std::string_view &s) noexcept
{
    auto rest = s;
    const bool the = take_word(rest, "the");
    if (const auto t = scan(rest); t.what == kind::word) {
        const auto month = the ? std::nullopt : take_english_name(s, month_names);
        return month ? std::optional(field{*month + 1, 0, false, false, false}) : std::nullopt;
    }
    const bool apostrophe = take_mark(rest, '\'') || take_character(rest, "\u2019");
    const auto n = apostrophe ? take_number(rest, 2, 2) : take_number(rest, 1, 4);
    if (!n)
        return std::nullopt;
    // A suffix must be the right one: "15th", never "15st".
    const auto next = scan(rest);
    const bool ordinal = next.what == kind::word && is_ordinal_suffix(next.text);
    if (ordinal && !same_letters(next.text, ordinal_suffix(n->value)))
        return std::nullopt;
    if (ordinal)
        rest = next.after;
    else if (the)
        return std::nullopt;
    const bool of = ordinal && take_word(rest, "of");
    s = rest;
    return field{n->value, n->digits, ordinal, of, apostrophe};
}

// What parts two fields: one of these marks, or only white space (' ').
constexpr char take_separator(std::string_view &s) noexcept
{
    const auto t = scan(s);
    if (t.what != kind::mark || std::string_view("/-.").find(t.text[0]) == std::string_view::npos)
        return ' ';
    s = t.after;
    return t.text[0];
}

struct typed_fields {
    field fields[3];
    char separator;
    bool comma;        // before the last field
    bool year_written; // false for a day and a month alone, in the first two fields
};

// What may follow a year written last: a time or nothing, or, as web servers
// log it, a colon and a time after a year of four digits ("09/Apr/1958:09:03:41").
constexpr bool is_end_after_year(const field &year, std::string_view rest) noexcept
{
    return is_time_or_nothing(rest) || (year.digits == 4 && take_mark(rest, ':') && is_time(rest));
}

// A date's fields, then a time or nothing: three, or a day and a month alone
// ("15 Jan 14:30", whose 14 is no year).
constexpr std::optional<typed_fields> take_typed_fields(std::string_view s) noexcept
{
    const auto first = take_field(s);
    if (!first)
        return std::nullopt;
    const char separator = take_separator(s);
    const auto second = take_field(s);
    if (!second)
        return std::nullopt;
    auto rest = s;
    const bool comma = take_mark(rest, ',');
    if (take_separator(rest) == separator)
        if (const auto third = take_field(rest); third && is_end_after_year(*third, rest))
            return typed_fields{{*first, *second, *third}, separator, comma, true};
    // The C library's date-time puts the time, and perhaps a zone, between a
    // month's name and day and the year: "Wed Apr  9 09:03:41 UTC 1958".
    if (rest = s; separator == ' ' && is_name(*first) != is_name(*second) && take_possible_time(rest)) {
        if (!take_zone(rest))
            take_abbreviation(rest);
        if (const auto year = take_number(rest, 3, 4); year && is_zone_or_nothing(rest))
            return typed_fields{{*first, *second, {year->value, year->digits, false, false, false}}, separator, false, true};
    }
    if (!is_time_or_nothing(s))
        return std::nullopt;
    return typed_fields{{*first, *second, {}}, separator, false, false};
}

// Indices into typed_fields::fields; year -1 where none is written.
struct layout {
    int year, month, day;
};

// A month's name decides alone; without one, a first field of three or four
// digits is a year, and otherwise the reader's order decides.
constexpr std::optional<layout> layout_of(const typed_fields &w, date_order order) noexcept
{
    const bool named[] = {is_name(w.fields[0]), is_name(w.fields[1]), is_name(w.fields[2])};
    if (!w.year_written) {
        if (named[0] != named[1])
            return named[0] ? layout{-1, 0, 1} : layout{-1, 1, 0};
        if (named[0])
            return std::nullopt;
        return order == date_order::day_month_year ? layout{-1, 1, 0} : layout{-1, 0, 1};
    }
    const bool year_first = w.fields[0].digits >= 3;
    if (named[0] && !named[1] && !named[2])
        return layout{2, 0, 1};
    if (!named[0] && named[1] && !named[2])
        return year_first ? layout{0, 1, 2} : layout{2, 1, 0};
    if (named[0] || named[1] || named[2])
        return std::nullopt;
    if (year_first)
        return layout{0, 1, 2};
    switch (order) {
    case date_order::month_day_year: return layout{2, 0, 1};
    case date_order::day_month_year: return layout{2, 1, 0};
    case date_order::year_month_day: return layout{0, 1, 2};
    }
    return std::nullopt;
}

constexpr std::optional<english_fields> fields_of(const typed_fields &w, date_order order) noexcept
{
    const auto at = layout_of(w, order);
    if (!at)
        return std::nullopt;
    // A date without its year has no field for it: nothing, as a field's place.
    const field year = at->year >= 0 ? w.fields[at->year] : field{0, 0, false, false, false};
    const field &month = w.fields[at->month];
    const field &day = w.fields[at->day];
    const bool named = is_name(month);
    // Digits alone without a year only with slashes: "10.5" is a number.
    const bool separator_fits = named ? w.separator != '.' : w.year_written ? w.separator != ' ' : w.separator == '/';
    const bool comma_fits = !w.comma || (named && w.separator == ' ' && at->year == 2);
    const bool year_fits = !w.year_written || (year.digits >= 2 && !year.ordinal);
    const bool month_fits = named || (month.digits <= 2 && !month.ordinal);
    const bool day_fits = day.digits <= 2 && (named || !day.ordinal);
    if (!separator_fits || !comma_fits || !year_fits || !month_fits || !day_fits)
        return std::nullopt;
    // "of" stands between a day and its month, an apostrophe before a year written last.
    for (int i = 0; i < 3; ++i)
        if ((w.fields[i].of && (i != at->day || at->month != i + 1 || w.separator != ' '))
            || (w.fields[i].apostrophe && (i != at->year || i != 2)))
            return std::nullopt;
    const bool iso = at->year == 0 && w.separator == '-' && year.digits == 4;
    return english_fields{{year.value, year.digits, month.value, day.value}, !named && !iso};
}

// ISO's basic form, as iCalendar and file names write it: eight digits, year
// first, and perhaps its time ("20261225", "20261225T143005Z").
constexpr std::optional<english_fields> basic_iso(std::string_view s) noexcept
{
    const auto n = take_number(s, 8, 8);
    if (!n || !is_basic_time_or_nothing(s))
        return std::nullopt;
    return english_fields{{n->value / 10000, 4, n->value / 100 % 100, n->value % 100}, false};
}

constexpr std::optional<english_fields> parse(std::string_view text, date_order order) noexcept
{
    // In bytes: English is ASCII but for a mark or a zone's name, so a byte a unit.
    if (text.size() > longest_date_utf16_units)
        return std::nullopt;
    const auto weekday = take_english_name(text, weekday_names);
    if (weekday)
        take_mark(text, ',');
    auto fields = basic_iso(text);
    if (const auto typed = fields ? std::nullopt : take_typed_fields(text))
        fields = fields_of(*typed, order);
    if (fields && weekday)
        fields->date.weekday = *weekday;
    return fields;
}

constexpr std::optional<civil_date> gregorian(std::string_view text, date_order order, int today) noexcept
{
    const auto fields = parse(text, order);
    return fields ? check_date(calendar::gregorian, in_year_of(calendar::gregorian, fields->date, today))
                  : std::nullopt;
}

constexpr civil_date jan_15_2004{2004, 1, 15};
constexpr int in_2004 = days_from_civil(2004, 6, 1);
static_assert(gregorian("2004-01-15", date_order::day_month_year, in_2004) == jan_15_2004);
static_assert(gregorian("1/15/04", date_order::month_day_year, in_2004) == jan_15_2004);
static_assert(gregorian("15.01.2004", date_order::day_month_year, in_2004) == jan_15_2004);
static_assert(gregorian("Thursday, January 15th, 2004 2:30 PM", date_order::day_month_year, in_2004) == jan_15_2004);
static_assert(!gregorian("Friday, 15 January 2004", date_order::day_month_year, in_2004));
static_assert(!gregorian("15/1/2004", date_order::month_day_year, in_2004));
static_assert(gregorian("Thu Jan 15 2:30 PM", date_order::day_month_year, in_2004) == jan_15_2004);
static_assert(gregorian("15/1", date_order::day_month_year, in_2004) == jan_15_2004);
static_assert(!gregorian("15.1", date_order::day_month_year, in_2004));
static_assert(parse("2004-01-15", date_order::day_month_year)->in_digits == false);
static_assert(parse("2004/01/15", date_order::day_month_year)->in_digits);

} // namespace

std::optional<english_fields> parse_english(std::string_view text, date_order order) noexcept
{
    return parse(text, order);
}

std::optional<civil_date> recognize_english(std::string_view text, date_order order, civil_date today) noexcept
{
    return gregorian(text, order, days_from_civil(today.year, today.month, today.day));
}

} // namespace calc
