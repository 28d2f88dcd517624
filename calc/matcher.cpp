#include "calc/matcher.h"

#include "calc/ascii.h"
#include "calc/date_rules.h"
#include "calc/time_of_day.h"

#include <algorithm>

// Each part of a format is tried in every way it can be taken: a name that
// begins another ("červen", "červenec"), a full stop that may end an
// abbreviation or stand for itself. Texts are short and formats few, so trying
// them all costs little, and it lets a text that two readings take for
// different dates be refused rather than guessed.

namespace calc {
namespace {

using ascii::is_digit;

constexpr std::string_view skip_spaces(std::string_view s) noexcept
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

// `want` as the start of `s`, with spaces anywhere in `s`. Returns the rest.
constexpr std::optional<std::string_view> take_loose(std::string_view s, std::string_view want) noexcept
{
    for (const char c : want) {
        s = skip_spaces(s);
        if (s.empty() || s.front() != c)
            return std::nullopt;
        s.remove_prefix(1);
    }
    return s;
}

// As much of `want` as starts `s`: the words that end a date may be cut short
// or left out ("2004 г." as "2004 г" or "2004").
constexpr std::string_view take_any_start(std::string_view s, std::string_view want) noexcept
{
    for (const char c : want) {
        const auto rest = skip_spaces(s);
        if (rest.empty() || rest.front() != c)
            break;
        s = rest.substr(1);
    }
    return s;
}

// A name must not end inside a number: "tháng 1" is not the start of "tháng 10".
constexpr std::optional<std::string_view> take_loose_name(std::string_view s, std::string_view name) noexcept
{
    const auto rest = take_loose(s, name);
    if (rest && !rest->empty() && is_digit(rest->front()) && is_digit(name.back()))
        return std::nullopt;
    return rest;
}

struct digit_run {
    int value;
    std::size_t count;
    std::string_view rest;
};

// All the digits that stand together, so that "152004" is never 15 and 2004.
constexpr std::optional<digit_run> take_digits(std::string_view s, std::size_t min_digits,
                                               std::size_t max_digits) noexcept
{
    s = skip_spaces(s);
    std::size_t count = 0;
    int value = 0;
    while (count < s.size() && is_digit(s[count])) {
        if (++count > max_digits)
            return std::nullopt;
        value = value * 10 + (s[count - 1] - '0');
    }
    if (count < min_digits)
        return std::nullopt;
    return digit_run{value, count, s.substr(count)};
}

// Whose names a month was written in.
enum class month_names : unsigned char { none, gregorian, own };

// What a reading has taken so far.
struct partial {
    date_fields date;
    month_names named = month_names::none;
    std::optional<calendar> era; // the calendar an era's name named
};

// An era decides wherever it stands; otherwise a month's name, written in the
// Gregorian names where the locale's calendar has names of its own; otherwise
// the locale's calendar. A month's name must be one of the calendar's.
constexpr std::optional<calendar> calendar_of(const partial &got, calendar own) noexcept
{
    const calendar c = got.era                                                      ? *got.era
                       : got.named == month_names::gregorian && has_own_months(own) ? calendar::gregorian
                                                                                    : own;
    switch (got.named) {
    case month_names::none: return c;
    case month_names::gregorian: return has_own_months(c) ? std::nullopt : std::optional(c);
    case month_names::own: return c == own ? std::optional(c) : std::nullopt;
    }
    return std::nullopt;
}

static_assert(calendar_of({{}, month_names::gregorian, {}}, calendar::buddhist) == calendar::buddhist);
static_assert(calendar_of({{}, month_names::gregorian, {}}, calendar::persian) == calendar::gregorian);
static_assert(calendar_of({{}, month_names::own, calendar::gregorian}, calendar::umalqura) == std::nullopt);
static_assert(calendar_of({{}, month_names::none, calendar::reiwa}, calendar::gregorian) == calendar::reiwa);

// One walk of one pattern over one text, trying every way each part may be taken.
class walk {
public:
    walk(const locale_words &words, const pattern &p, int today, readings &found)
        : words(words)
        , p(p)
        , today(today)
        , found(found)
    {
    }

    void from(std::size_t at, std::string_view rest, partial got) const;

private:
    // Where a reading that leaves out the year at part `at` goes on: past it
    // and the words after it ("15 марта" for "15 марта 2004 г."). Never in a
    // format that writes an era, whose years are the era's.
    std::optional<std::size_t> without_year(std::size_t at) const
    {
        if (at >= p.size() || p[at].what != part::year
            || std::any_of(p.begin(), p.end(), [](const element &e) { return e.what == part::era; }))
            return std::nullopt;
        return at + 1 < p.size() && p[at + 1].what == part::text ? at + 2 : at + 1;
    }

    // A whole reading: what follows it must be a time or nothing.
    void finish(std::string_view rest, const partial &got) const
    {
        if (!is_time_or_nothing(rest))
            return;
        if (const auto c = calendar_of(got, words.own))
            if (const auto date = check_date(*c, in_year_of(*c, got.date, today)))
                found(*date);
    }

    const locale_words &words;
    const pattern &p;
    int today;
    readings &found;
};

void walk::from(std::size_t at, std::string_view rest, partial got) const
{
    if (found.clash)
        return;
    if (at == p.size()) {
        finish(rest, got);
        // An era may also follow a date whose format leaves it no place ("16 آذر 1405 ه.ش."),
        // but never one without its year.
        if (!got.era && got.date.year_digits != 0)
            for (const auto &[name, era] : words.eras.starting(rest))
                if (const auto after = take_loose(rest, name)) {
                    got.era = static_cast<calendar>(era);
                    finish(*after, got);
                }
        return;
    }
    const auto next = [&](std::string_view after) { from(at + 1, after, got); };
    // Each name the text may begin with, then, as an abbreviation may have, a full stop or none.
    const auto names = [&](const name_list &all, auto &&take) {
        for (const auto &[name, value] : all.starting(rest))
            if (const auto after = take_loose_name(rest, name)) {
                take(value);
                next(*after);
                if (const auto stop = take_loose(*after, "."))
                    next(*stop);
            }
    };
    const auto month = [&](month_names whose) {
        return [&got, whose](int value) {
            got.date.month = value;
            got.named = whose;
        };
    };
    const element &e = p[at];
    switch (e.what) {
    case part::text:
        if (at + 1 == p.size())
            next(take_any_start(rest, e.text));
        else if (const auto after = take_loose(rest, e.text))
            next(*after);
        // The words before a year that ends the date may end it without the year, cut short
        // or left out as such words may be: "26.3." and "26.3" for "26.3.2026".
        else if (without_year(at + 1) == p.size())
            from(p.size(), take_any_start(rest, e.text), got);
        break;
    case part::day:
    case part::month:
        if (const auto n = take_digits(rest, 1, 2)) {
            (e.what == part::day ? got.date.day : got.date.month) = n->value;
            next(n->rest);
        }
        break;
    case part::year:
        // A date of this year may leave its year out.
        if (const auto past = without_year(at))
            from(*past, rest, got);
        // Five digits for the Buddhist years of the last Gregorian centuries.
        if (const auto n = take_digits(rest, 1, 5)) {
            got.date.year = n->value;
            got.date.year_digits = n->count;
            next(n->rest);
        }
        // An era's first year may have a word of its own (Japanese 元年).
        for (const auto &word : words.first_years)
            if (const auto after = take_loose(rest, word)) {
                got.date.year = 1;
                got.date.year_digits = 1;
                next(*after);
            }
        break;
    case part::month_name:
        names(words.months, month(month_names::gregorian));
        names(words.own_months, month(month_names::own));
        break;
    case part::weekday: names(words.weekdays, [&](int value) { got.date.weekday = value; }); break;
    case part::era: names(words.eras, [&](int value) { got.era = static_cast<calendar>(value); }); break;
    }
}

} // namespace

void match_formats(const locale_words &words, std::string_view text, int today, readings &found)
{
    for (const auto &p : words.patterns)
        walk(words, p, today, found).from(0, text, {});
}

void match_relative_days(const locale_words &words, std::string_view text, int today, readings &found)
{
    for (const auto &[name, offset] : words.relative_days.starting(text))
        if (const auto rest = take_loose(text, name); rest && is_time_or_nothing(*rest))
            if (const int z = today + offset; z >= first_day(calendar::gregorian) && z <= last_day(calendar::gregorian))
                found(civil_from_days(z));
}

} // namespace calc
