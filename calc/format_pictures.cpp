#include "calc/format_pictures.h"

#include "calc/folding.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace calc {
namespace {

constexpr std::string_view field_letters = "dMygHhmstz";

constexpr part part_of(char letter, std::size_t run) noexcept
{
    switch (letter) {
    case 'd': return run <= 2 ? part::day : part::weekday;
    case 'M': return run <= 2 ? part::month : part::month_name;
    case 'g': return part::era;
    case 'H': return part::hour;
    case 'h': return part::twelve_hour;
    case 'm': return part::minute;
    case 's': return part::second;
    case 't': return part::day_period;
    case 'z': return part::zone;
    default: return part::year;
    }
}

template <typename... Parts>
bool holds(const pattern &p, Parts... parts)
{
    return std::any_of(p.begin(), p.end(), [&](const auto &e) { return ((e.what == parts) || ...); });
}

// The weekday or the era may be left out, and with it the words that part it
// from the date ("Montag, 15. März 2004" as "15. März 2004"); words after one
// that ends the date are kept, since they may end the date itself
// ("2004. március 15., hétfő" as "2004. március 15."). Brackets around the
// part go with it ("2026/12/25(金)" as "2026/12/25").
pattern without(pattern p, part left_out)
{
    auto at = std::find_if(p.begin(), p.end(), [&](const auto &e) { return e.what == left_out; });
    if (at == p.end())
        return p;
    const auto words_after = std::next(at) != p.end() && std::next(at)->what == part::text;
    if (words_after && std::next(at)->text == ")" && at != p.begin() && std::prev(at)->text.ends_with('(')) {
        auto &before = std::prev(at)->text;
        before.pop_back();
        if (before.empty())
            at = p.erase(std::prev(at));
    }
    p.erase(at, std::next(at, words_after ? 2 : 1));
    return p;
}

// A format that leaves out the day, the month or the year cannot say which date it is.
bool tells_the_date(const pattern &p)
{
    return holds(p, part::day) && holds(p, part::month, part::month_name) && holds(p, part::year);
}

bool tells_the_day_of_the_year(const pattern &p)
{
    return holds(p, part::day) && holds(p, part::month, part::month_name) && !holds(p, part::year);
}

bool tells_the_time(const pattern &p)
{
    return holds(p, part::hour, part::twelve_hour) && holds(p, part::minute, part::text);
}

// Brackets, spaces and stops alone, as around a zone ("(zzzz)", "[z]").
bool is_bracket(const element &e)
{
    return e.what == part::text && e.text.find_first_not_of("()[].,") == std::string::npos;
}

// A zone and the brackets around it.
pattern without_zone(pattern p)
{
    for (auto at = p.begin(); at != p.end();) {
        if (at->what != part::zone) {
            ++at;
            continue;
        }
        const auto first = at != p.begin() && is_bracket(*std::prev(at)) ? std::prev(at) : at;
        const auto last = std::next(at) != p.end() && is_bracket(*std::next(at)) ? std::next(at, 2) : std::next(at);
        at = p.erase(first, last);
    }
    return p;
}

// Walks a picture: `field(letter, run)` for each run of a field's letter,
// `words(text)` for the words between them, quotes taken away.
template <typename Field, typename Words>
void read_picture(std::string_view picture, Field &&field, Words &&words)
{
    std::string text;
    const auto end_words = [&] {
        if (!text.empty())
            words(std::string_view(text));
        text.clear();
    };
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '\'') {
            // Quoted text; '' is a quote, within quotes or without.
            ++i;
            if (i < picture.size() && picture[i] == '\'') {
                text += '\'';
                ++i;
                continue;
            }
            while (i < picture.size()) {
                if (picture[i] == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
                    text += '\'';
                    i += 2;
                } else if (picture[i] == '\'') {
                    ++i;
                    break;
                } else {
                    text += picture[i++];
                }
            }
        } else if (field_letters.find(c) != std::string_view::npos) {
            std::size_t run = 1;
            while (i + run < picture.size() && picture[i + run] == c)
                ++run;
            end_words();
            field(c, run);
            i += run;
        } else {
            text += c;
            ++i;
        }
    }
    end_words();
}

} // namespace

pattern pattern_of(std::string_view picture)
{
    pattern p;
    read_picture(
        picture, [&](char letter, std::size_t run) {
            p.push_back({part_of(letter, run), {}, run >= 2 && (letter == 'm' || letter == 's') ? 2u : 1u});
        },
        [&](std::string_view words) {
            if (auto text = squeezed(words); !text.empty())
                p.push_back({part::text, std::move(text)});
        });
    return p;
}

std::string with_words_lowered(std::string_view picture, const std::function<std::string(std::string_view)> &lower)
{
    std::string lowered;
    read_picture(
        picture, [&](char letter, std::size_t run) { lowered.append(run, letter); },
        [&](std::string_view words) {
            lowered += '\'';
            for (const char c : lower(words))
                lowered += c == '\'' ? "''" : std::string(1, c);
            lowered += '\'';
        });
    return lowered;
}

namespace {

// Whether a pattern of digits alone may be read when digits alone are in `digits` order.
// Nor may digits alone leave their year out where the day and month then
// stand in another order than the locale's without a year ("yyyy.M.d." in Latvian).
bool fits_the_order(pattern &p, date_order digits, date_order without_year)
{
    const auto at = [&](part what) { return std::find_if(p.begin(), p.end(), [&](const auto &e) { return e.what == what; }); };
    const bool named = holds(p, part::month_name);
    for (auto &e : p)
        if (e.what == part::year)
            e.may_be_left_out = named || (at(part::day) < at(part::month)) == (without_year == date_order::day_month_year);
    if (holds(p, part::month_name) || order_of(p) == digits)
        return true;
    if (order_of(p) != date_order::year_month_day)
        return false;
    for (auto &e : p)
        if (e.what == part::year)
            e.least_digits = 3;
    return true;
}

// Every pattern is walked: none that reads only what another reads, the
// pattern `widened` makes of it.
template <typename Widened>
std::vector<pattern> without_narrower(std::vector<pattern> patterns, Widened &&widened)
{
    std::vector<pattern> kept;
    for (const auto &p : patterns)
        if (const auto wide = widened(p); wide == p || std::find(patterns.begin(), patterns.end(), wide) == patterns.end())
            kept.push_back(p);
    return kept;
}

template <typename Tells>
std::vector<pattern> patterns_telling(const std::vector<std::string> &pictures, date_order digits,
                                      date_order without_year, Tells &&tells)
{
    std::vector<pattern> patterns;
    for (const auto &picture : pictures) {
        auto full = pattern_of(picture);
        // Digits with a weekday are what programs write, the year in full: two
        // digits there are no year ("15.01.04." in Latvian, which writes
        // "ceturtdiena, 15.01.2004.").
        if (holds(full, part::weekday) && !holds(full, part::month_name, part::era))
            for (auto &e : full)
                if (e.what == part::year)
                    e.least_digits = 3;
        const auto bare = without(full, part::weekday);
        for (const auto &p : {without(bare, part::era), bare, without(full, part::era), full}) {
            // The C library leaves its date-times' zone out where none is set, and
            // its day's period where the locale has none.
            const auto zoneless = without_zone(p);
            for (auto q : {p, zoneless, without(p, part::day_period), without(zoneless, part::day_period)})
                if (tells(q) && fits_the_order(q, digits, without_year) && std::find(patterns.begin(), patterns.end(), q) == patterns.end())
                    patterns.push_back(std::move(q));
        }
    }
    // A year in full reads nothing the same pattern of any year does not.
    return without_narrower(std::move(patterns), [](pattern p) {
        for (auto &e : p)
            if (e.what == part::year)
                e.least_digits = 1;
        return p;
    });
}

} // namespace

std::vector<pattern> patterns_of(const std::vector<std::string> &pictures, date_order digits, date_order without_year)
{
    return patterns_telling(pictures, digits, without_year, tells_the_date);
}

std::vector<pattern> patterns_without_year_of(const std::vector<std::string> &pictures, date_order digits)
{
    return patterns_telling(pictures, digits, digits, tells_the_day_of_the_year);
}

std::vector<pattern> time_patterns_of(const std::vector<std::string> &pictures)
{
    std::vector<pattern> patterns;
    const auto add = [&](pattern p) {
        if (tells_the_time(p) && std::find(patterns.begin(), patterns.end(), p) == patterns.end())
            patterns.push_back(std::move(p));
    };
    std::vector<element> hour_words;
    for (const auto &picture : pictures) {
        const auto full = without_zone(pattern_of(picture));
        // The day's period may be left out, as the weekday may ("9:03" for "9:03 AM").
        for (auto p : {full, without(full, part::day_period)}) {
            // Without its word an hour is a number: the word stays whole.
            if (p.size() == 2 && has_time(p) && p.back().what == part::text) {
                p.back().may_be_left_out = false;
                hour_words.push_back(p.back());
                add(p);
                p.push_back({part::minute, {}, 2});
            }
            add(std::move(p));
        }
    }
    // The hour of 1 to 12 without its period reads nothing the hour of 0 to 23 does not.
    patterns = without_narrower(std::move(patterns), [](pattern p) {
        for (auto &e : p)
            if (e.what == part::twelve_hour && !holds(p, part::day_period))
                e.what = part::hour;
        return p;
    });
    for (std::size_t i = 0, n = patterns.size(); i < n; ++i)
        if (const part last = patterns[i].back().what; last == part::minute || last == part::second)
            for (auto word : hour_words) {
                word.may_be_left_out = true;
                auto p = patterns[i];
                p.push_back(std::move(word));
                add(std::move(p));
            }
    return patterns;
}

bool has_time(const pattern &p)
{
    return holds(p, part::hour, part::twelve_hour);
}

// A month written as a name decides alone, as in English; otherwise the order
// in which the short format writes its numbers.
date_order order_of(const pattern &short_format)
{
    int year = -1, month = -1, day = -1;
    for (int i = 0; const auto &e : short_format) {
        if (e.what == part::month_name)
            return date_order::month_day_year;
        int &at = e.what == part::year ? year : e.what == part::month ? month : day;
        if ((e.what == part::day || e.what == part::month || e.what == part::year) && at < 0)
            at = i;
        ++i;
    }
    if (year >= 0 && year < month && year < day)
        return date_order::year_month_day;
    return day >= 0 && day < month ? date_order::day_month_year : date_order::month_day_year;
}

} // namespace calc
