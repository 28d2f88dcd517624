#include "calc/date_text.h"

#include "calc/ascii.h"
#include "calc/date_rules.h"

#include <cstddef>

// The text is read as a short run of tokens (numbers, words, single marks;
// white space only parts them, so "15th" and "15 th" are one) and the date is then told from where its month
// name, if any, stands. Everything is constexpr so the forms below are checked
// at compile time as well.

namespace calc {
namespace {

constexpr std::string_view month_names[] = {"january", "february", "march",     "april",
                                            "may",     "june",     "july",      "august",
                                            "september", "october", "november", "december"};
// In the order of weekday_from_days: Sunday first.
constexpr std::string_view weekday_names[] = {"sunday",   "monday", "tuesday", "wednesday",
                                              "thursday", "friday", "saturday"};

using ascii::is_digit;
using ascii::is_letter;
using ascii::to_lower;

// Preconditions: lower is in lower case.
constexpr bool same_letters(std::string_view word, std::string_view lower) noexcept
{
    if (word.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (to_lower(word[i]) != lower[i])
            return false;
    return true;
}

enum class kind : unsigned char { end, number, word, mark };

struct token {
    kind what;
    std::string_view text;  // a run of digits or letters, or one other character
    std::string_view after; // what follows it
};

constexpr token scan(std::string_view s) noexcept
{
    // Pointers rather than indices: this is the hot loop, and debug builds call
    // every string_view member.
    const char *first = s.data();
    const char *const end = first + s.size();
    while (first != end && ascii::is_space(*first))
        ++first;
    if (first == end)
        return {kind::end, {}, {}};
    const char *last = first + 1;
    auto what = kind::mark;
    if (is_digit(*first)) {
        what = kind::number;
        while (last != end && is_digit(*last))
            ++last;
    } else if (is_letter(*first)) {
        what = kind::word;
        while (last != end && is_letter(*last))
            ++last;
    }
    return {what, {first, static_cast<std::size_t>(last - first)}, {last, static_cast<std::size_t>(end - last)}};
}

// The take_ functions move `s` past what they match, and leave it alone otherwise.

constexpr bool take_mark(std::string_view &s, char c) noexcept
{
    const auto t = scan(s);
    if (t.what != kind::mark || t.text[0] != c)
        return false;
    s = t.after;
    return true;
}

constexpr bool take_word(std::string_view &s, std::string_view lower) noexcept
{
    const auto t = scan(s);
    if (t.what != kind::word || !same_letters(t.text, lower))
        return false;
    s = t.after;
    return true;
}

struct token_number {
    int value;
    std::size_t digits;
};

// Preconditions: max_digits <= 9, so the value fits an int.
constexpr std::optional<token_number> number_in_token(const token &t, std::size_t min_digits,
                                          std::size_t max_digits) noexcept
{
    if (t.what != kind::number || t.text.size() < min_digits || t.text.size() > max_digits)
        return std::nullopt;
    int value = 0;
    for (const char c : t.text)
        value = value * 10 + (c - '0');
    return token_number{value, t.text.size()};
}

constexpr std::optional<token_number> take_number_token(std::string_view &s, std::size_t min_digits,
                                            std::size_t max_digits) noexcept
{
    const auto t = scan(s);
    const auto n = number_in_token(t, min_digits, max_digits);
    if (n)
        s = t.after;
    return n;
}

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
};

constexpr bool is_name(const field &f) noexcept
{
    return f.digits == 0;
}

constexpr std::optional<field> take_field(std::string_view &s) noexcept
{
    const auto t = scan(s);
    if (t.what == kind::word) {
        const auto month = take_english_name(s, month_names);
        return month ? std::optional(field{*month + 1, 0, false}) : std::nullopt;
    }
    const auto n = number_in_token(t, 1, 4);
    if (!n)
        return std::nullopt;
    s = t.after;
    // A suffix must be the right one: "15th", never "15st".
    const auto next = scan(s);
    if (next.what != kind::word || !is_ordinal_suffix(next.text))
        return field{n->value, n->digits, false};
    if (!same_letters(next.text, ordinal_suffix(n->value)))
        return std::nullopt;
    s = next.after;
    return field{n->value, n->digits, true};
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
    bool comma; // before the last field
};

constexpr std::optional<typed_fields> take_typed_fields(std::string_view &s) noexcept
{
    const auto first = take_field(s);
    if (!first)
        return std::nullopt;
    const char separator = take_separator(s);
    const auto second = take_field(s);
    if (!second)
        return std::nullopt;
    const bool comma = take_mark(s, ',');
    if (take_separator(s) != separator)
        return std::nullopt;
    const auto third = take_field(s);
    if (!third)
        return std::nullopt;
    return typed_fields{{*first, *second, *third}, separator, comma};
}

// Indices into typed_fields::fields.
struct layout {
    int year, month, day;
};

// A month's name decides alone; without one, a first field of three or four
// digits is a year, and otherwise the reader's order decides.
constexpr std::optional<layout> layout_of(const typed_fields &w, date_order order) noexcept
{
    const bool named[] = {is_name(w.fields[0]), is_name(w.fields[1]), is_name(w.fields[2])};
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

constexpr std::optional<english_reading> reading_of(const typed_fields &w, date_order order) noexcept
{
    const auto at = layout_of(w, order);
    if (!at)
        return std::nullopt;
    const field &year = w.fields[at->year];
    const field &month = w.fields[at->month];
    const field &day = w.fields[at->day];
    const bool named = is_name(month);
    const bool separator_fits = named ? w.separator != '.' : w.separator != ' ';
    const bool comma_fits = !w.comma || (named && w.separator == ' ' && at->year == 2);
    const bool year_fits = year.digits >= 2 && !year.ordinal;
    const bool month_fits = named || (month.digits <= 2 && !month.ordinal);
    const bool day_fits = day.digits <= 2 && (named || !day.ordinal);
    if (!separator_fits || !comma_fits || !year_fits || !month_fits || !day_fits)
        return std::nullopt;
    const bool iso = at->year == 0 && w.separator == '-' && year.digits == 4;
    return english_reading{{year.value, year.digits, month.value, day.value}, !named && !iso};
}

struct time_of_day {
    int hour, minute, second;
    bool twelve_hour;
};

constexpr bool is_valid_time(const time_of_day &t) noexcept
{
    const bool hour_fits = t.twelve_hour ? t.hour >= 1 && t.hour <= 12 : t.hour <= 23;
    return hour_fits && t.minute <= 59 && t.second <= 59;
}

// "14:30", "14:30:05", "14:30:05.250", "2:30 pm", or ISO's "T14:30:00".
// Fractions go down to nanoseconds.
constexpr std::optional<time_of_day> take_time(std::string_view &s) noexcept
{
    take_word(s, "t");
    const auto hour = take_number_token(s, 1, 2);
    if (!hour || !take_mark(s, ':'))
        return std::nullopt;
    const auto minute = take_number_token(s, 2, 2);
    if (!minute)
        return std::nullopt;
    int second = 0;
    if (take_mark(s, ':')) {
        const auto n = take_number_token(s, 2, 2);
        if (!n || (take_mark(s, '.') && !take_number_token(s, 1, 9)))
            return std::nullopt;
        second = n->value;
    }
    const bool twelve_hour = take_word(s, "am") || take_word(s, "pm");
    return time_of_day{hour->value, minute->value, second, twelve_hour};
}

constexpr bool at_end(std::string_view s) noexcept
{
    return scan(s).what == kind::end;
}

constexpr bool time_or_nothing(std::string_view s) noexcept
{
    if (at_end(s))
        return true;
    const auto time = take_time(s);
    return time && is_valid_time(*time) && at_end(s);
}

constexpr std::optional<english_reading> read(std::string_view text, date_order order) noexcept
{
    if (text.size() > longest_date_text)
        return std::nullopt;
    const auto weekday = take_english_name(text, weekday_names);
    if (weekday)
        take_mark(text, ',');
    const auto typed = take_typed_fields(text);
    if (!typed || !time_or_nothing(text))
        return std::nullopt;
    auto reading = reading_of(*typed, order);
    if (reading && weekday)
        reading->date.weekday = *weekday;
    return reading;
}

constexpr std::optional<civil_date> recognize(std::string_view text, date_order order) noexcept
{
    const auto reading = read(text, order);
    return reading ? date_in(calendar::gregorian, reading->date) : std::nullopt;
}

constexpr civil_date jan_15_2004{2004, 1, 15};
static_assert(recognize("2004-01-15", date_order::day_month_year) == jan_15_2004);
static_assert(recognize("1/15/04", date_order::month_day_year) == jan_15_2004);
static_assert(recognize("15.01.2004", date_order::day_month_year) == jan_15_2004);
static_assert(recognize("Thursday, January 15th, 2004 2:30 PM", date_order::day_month_year) == jan_15_2004);
static_assert(!recognize("Friday, 15 January 2004", date_order::day_month_year));
static_assert(!recognize("15/1/2004", date_order::month_day_year));
static_assert(read("2004-01-15", date_order::day_month_year)->in_digits == false);
static_assert(read("2004/01/15", date_order::day_month_year)->in_digits);

} // namespace

bool nothing_but_a_time(std::string_view rest) noexcept
{
    return time_or_nothing(rest);
}

std::optional<english_reading> read_english(std::string_view text, date_order order) noexcept
{
    return read(text, order);
}

std::optional<civil_date> recognize_date(std::string_view text, date_order order)
{
    return recognize(text, order);
}

} // namespace calc
