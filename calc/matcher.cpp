#include "calc/matcher.h"

#include "calc/ascii.h"
#include "calc/date_rules.h"
#include "calc/time_of_day.h"

#include <algorithm>
#include <utility>

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
    std::optional<time_of_day> time;
    bool words_before = false, words_after = false; // taken
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

static_assert(calendar_of({{}, month_names::gregorian, {}, {}, false, false}, calendar::buddhist) == calendar::buddhist);
static_assert(calendar_of({{}, month_names::gregorian, {}, {}, false, false}, calendar::persian) == calendar::gregorian);
static_assert(calendar_of({{}, month_names::own, calendar::gregorian, {}, false, false}, calendar::umalqura) == std::nullopt);
static_assert(calendar_of({{}, month_names::none, calendar::reiwa, {}, false, false}, calendar::gregorian) == calendar::reiwa);

// Whether a text may begin with what a step of a pattern takes: a number, or
// its words, unless they may be left out. Most steps are so told apart from a
// text at once.
bool may_begin(const pattern_tree &step, std::string_view text)
{
    text = skip_spaces(text);
    const bool digit = !text.empty() && is_digit(text.front());
    switch (step.part.what) {
    case part::day:
    case part::month:
    case part::hour:
    case part::twelve_hour:
    case part::minute:
    case part::second: return digit;
    case part::text:
        return step.ends || step.ends_without_year || (!text.empty() && text.front() == step.part.text.front());
    default: return true;
    }
}

// One text's walk over the locale's patterns, trying every way each part may
// be taken: a date's, then perhaps a time's after it.
class walk {
public:
    walk(const locale_words &words, int today, readings &found)
        : words(words)
        , today(today)
        , found(found)
    {
    }

    // A word for a day near today, then what may follow a date.
    void relative_day(std::string_view text) const;

    // Every step after `done` that begins the rest: those of a date's
    // patterns, or of a time's after a date, joined to it by `join`.
    void from(const pattern_tree &done, std::string_view rest, const partial &got,
              const time_join *join = nullptr) const;

private:
    void take(const pattern_tree &step, std::string_view rest, partial got, const time_join *join) const;
    void ended(std::string_view rest, const partial &got, const time_join *join) const;
    void without_year(const pattern_tree &year, std::string_view rest, const partial &got) const;
    void after_date(std::string_view rest, const partial &got) const;
    void after_time(std::string_view rest, const partial &got, const time_join &join) const;
    template <typename Then>
    void zones(std::string_view rest, bool abbreviated, Then &&then) const;

    // A whole reading: a date that exists in its calendar, and a time of day that can be.
    // An era's years are the era's: a date that names one writes its year.
    void finish(const partial &got) const
    {
        if ((got.time && !is_valid_time(*got.time)) || (got.era && got.date.year_digits == 0))
            return;
        if (const auto c = calendar_of(got, words.own))
            if (const auto date = check_date(*c, in_year_of(*c, got.date, today)))
                found(*date);
    }

    const locale_words &words;
    int today;
    readings &found;
};

// What may follow a date: nothing, an era where its format left it no place
// ("16 آذر 1405 ه.ش."), a time in English or ISO, or one the locale's way.
void walk::after_date(std::string_view rest, const partial &got) const
{
    // Any other reading of what follows would name the same date.
    if (is_time_or_nothing(rest)) {
        finish(got);
        return;
    }
    // Nothing that follows a date begins with three digits: they are the year
    // of a date this one is the beginning of ("15. März" of "15. März 2004").
    if (take_digits(rest, 3, 5))
        return;
    if (!got.words_after && !words.words_after.empty())
        for (const auto &word : words.words_after.starting(rest))
            if (const auto after = take_loose_name(rest, word.text)) {
                partial worded = got;
                worded.words_after = true;
                after_date(*after, worded);
            }
    if (!got.era)
        for (const auto &[name, era] : words.eras.starting(rest))
            if (const auto after = take_loose(rest, name)) {
                partial named = got;
                named.era = static_cast<calendar>(era);
                after_date(*after, named);
            }
    // A zone may stand before the time too ("协调世界时 09:03:41").
    const auto time = [&](const time_join &join, std::string_view after) { from(words.time_patterns, after, got, &join); };
    for (const auto &join : words.joins)
        if (const auto after = take_loose(rest, join.before)) {
            time(join, *after);
            if (const auto next = skip_spaces(*after); !next.empty() && !is_digit(next.front()))
                zones(*after, false, [&](std::string_view zoned) { time(join, zoned); });
        }
}

// A zone may follow any time, and then the join's closing words, which may be cut or left out.
void walk::after_time(std::string_view rest, const partial &got, const time_join &join) const
{
    const auto end = [&](std::string_view after) {
        if (tokens::at_end(take_any_start(after, join.after)))
            finish(got);
    };
    end(rest);
    if (!tokens::at_end(rest))
        zones(rest, false, end);
}

constexpr std::pair<std::string_view, std::string_view> brackets[] = {{"", ""}, {"(", ")"}, {"[", "]"}};

// Each zone the text may begin with: one every locale writes, or the
// locale's own name for UTC, in brackets or not; and an abbreviation where
// a format has a place for it.
template <typename Then>
void walk::zones(std::string_view rest, bool abbreviated, Then &&then) const
{
    // After a comma too, as Czech writes it ("9:03:41, koordinovaný světový čas").
    if (const auto comma = take_loose(rest, ","))
        rest = *comma;
    if (auto after = rest; take_zone(after))
        then(after);
    if (abbreviated)
        if (auto after = rest; take_abbreviation(after))
            then(after);
    for (const auto &[open, close] : brackets)
        if (const auto inside = take_loose(rest, open))
            for (const auto &utc : words.utc_names.starting(*inside))
                if (const auto name = take_loose(*inside, utc.text))
                    if (const auto after = take_loose(*name, close))
                        then(*after);
}

// A pattern read to its end.
void walk::ended(std::string_view rest, const partial &got, const time_join *join) const
{
    if (join && join->time_first) {
        if (const auto after = take_loose(rest, join->after))
            from(words.patterns, *after, got);
    } else if (join)
        after_time(rest, got, *join);
    else if (got.time) { // the C library's date-times hold their time
        if (tokens::at_end(rest))
            finish(got);
    } else
        after_date(rest, got);
}

// A date of this year may leave its year out, and the words after it with it
// ("15 марта" for "15 марта 2004 г.").
void walk::without_year(const pattern_tree &year, std::string_view rest, const partial &got) const
{
    if (year.ends)
        ended(rest, got, nullptr);
    for (const auto &step : year.next)
        if (step.part.what == part::text) {
            if (step.ends)
                ended(rest, got, nullptr);
            from(step, rest, got);
        } else if (may_begin(step, rest)) {
            take(step, rest, got, nullptr);
        }
}

void walk::relative_day(std::string_view text) const
{
    for (const auto &[name, offset] : words.relative_days.starting(text))
        if (const auto rest = take_loose(text, name))
            if (const int z = today + offset; z >= first_day(calendar::gregorian) && z <= last_day(calendar::gregorian)) {
                const auto [year, month, day] = civil_from_days(z);
                after_date(*rest, {{year, 4, month, day}, month_names::none, calendar::gregorian, {}, false, false});
            }
}

void walk::from(const pattern_tree &done, std::string_view rest, const partial &got, const time_join *join) const
{
    // Words before a date, before anything of it but its weekday.
    const bool nothing_taken = got.date.day == 0 && got.date.month == 0 && got.date.year_digits == 0 && !got.time;
    if (!words.words_before.empty() && !join && !got.words_before && nothing_taken)
        for (const auto &word : words.words_before.starting(rest))
            if (const auto after = take_loose_name(rest, word.text)) {
                partial worded = got;
                worded.words_before = true;
                from(done, *after, worded, join);
            }
    for (const auto &step : done.next)
        if (found.clash)
            return;
        else if (may_begin(step, rest))
            take(step, rest, got, join);
}

void walk::take(const pattern_tree &step, std::string_view rest, partial got, const time_join *join) const
{
    const auto next = [&](std::string_view after) {
        if (step.ends)
            ended(after, got, join);
        from(step, after, got, join);
    };
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
    const auto time = [&]() -> time_of_day & { return got.time ? *got.time : got.time.emplace(); };
    const element &e = step.part;
    switch (e.what) {
    case part::text: {
        const auto after = take_loose(rest, e.text);
        if (after)
            next(*after);
        // The words that end a pattern may be cut short or left out ("2004 г." as "2004"),
        // and so may those before a year that ends it, when the year is left out ("26.3" for "26.3.2026").
        if (const auto cut = take_any_start(rest, e.text);
            (step.ends || step.ends_without_year) && e.may_be_left_out && (!after || cut.data() != after->data()))
            ended(cut, got, join);
        break;
    }
    case part::day:
    case part::month:
        if (const auto n = take_digits(rest, 1, 2)) {
            (e.what == part::day ? got.date.day : got.date.month) = n->value;
            next(n->rest);
            // An ordinal's ending stands right after its number ("1er").
            if (e.what == part::day && n->value < static_cast<int>(words.ordinal_endings.size()))
                for (const auto &ending : words.ordinal_endings[static_cast<std::size_t>(n->value)])
                    if (n->rest.starts_with(ending))
                        next(n->rest.substr(ending.size()));
        }
        break;
    case part::year:
        // Three digits or more where the year stands are a year: neither a time nor anything
        // else that may follow a date begins so.
        if (const auto digits = take_digits(rest, 3, 5); !join && !digits && e.may_be_left_out)
            without_year(step, rest, got);
        // Five digits for the Buddhist years of the last Gregorian centuries.
        if (const auto n = take_digits(rest, e.least_digits, 5)) {
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
    case part::hour:
    case part::twelve_hour:
        if (const auto n = take_digits(rest, 1, 2)) {
            time().hour = n->value;
            time().twelve_hour = time().twelve_hour || e.what == part::twelve_hour;
            next(n->rest);
        }
        break;
    case part::minute:
    case part::second:
        if (const auto n = take_digits(rest, e.least_digits, 2)) {
            (e.what == part::minute ? time().minute : time().second) = n->value;
            next(n->rest);
        }
        break;
    case part::day_period: names(words.day_periods, [&](int) { time().twelve_hour = true; }); break;
    case part::zone: zones(rest, true, next); break;
    }
}

} // namespace

pattern_tree tree_of(const std::vector<pattern> &patterns)
{
    pattern_tree root;
    for (const auto &p : patterns) {
        pattern_tree *at = &root;
        for (const auto &e : p) {
            const auto same = std::find_if(at->next.begin(), at->next.end(), [&](const auto &t) { return t.part == e; });
            at = same != at->next.end() ? &*same : &at->next.emplace_back(pattern_tree{.part = e, .next = {}});
        }
        at->ends = at != &root;
    }
    // Words before a year that ends a pattern, or that only words follow.
    const auto mark = [](auto &self, pattern_tree &t) -> void {
        for (auto &step : t.next) {
            self(self, step);
            t.ends_without_year = t.ends_without_year || (t.part.what == part::text && step.part.what == part::year &&
                (step.ends || std::any_of(step.next.begin(), step.next.end(), [](const auto &n) {
                    return n.part.what == part::text && n.ends;
                })));
        }
    };
    mark(mark, root);
    return root;
}

void match_formats(const locale_words &words, std::string_view text, int today, readings &found)
{
    const walk each(words, today, found);
    each.from(words.patterns, text, {});
    for (const auto &join : words.time_first_joins)
        if (const auto rest = take_loose(text, join.before))
            each.from(words.time_patterns, *rest, {}, &join);
    each.relative_day(text);
}

} // namespace calc
