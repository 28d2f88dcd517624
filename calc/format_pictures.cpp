#include "calc/format_pictures.h"

#include "calc/ascii.h"
#include "calc/folding.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace calc {
namespace {

constexpr part part_of(char letter, std::size_t run) noexcept
{
    switch (letter) {
    case 'd': return run <= 2 ? part::day : part::weekday;
    case 'M': return run <= 2 ? part::month : part::month_name;
    case 'g': return part::era;
    default: return part::year;
    }
}

// The weekday or the era may be left out, and with it the words that part it
// from the date ("Montag, 15. März 2004" as "15. März 2004"); words after one
// that ends the date are kept, since they may end the date itself
// ("2004. március 15., hétfő" as "2004. március 15.").
pattern without(pattern p, part left_out)
{
    const auto at = std::find_if(p.begin(), p.end(), [&](const auto &e) { return e.what == left_out; });
    if (at == p.end())
        return p;
    const auto words_after = std::next(at) != p.end() && std::next(at)->what == part::text;
    p.erase(at, std::next(at, words_after ? 2 : 1));
    return p;
}

// A format that leaves out the day, the month or the year cannot say which date it is.
bool tells_the_date(const pattern &p)
{
    const auto has = [&](auto... parts) {
        return std::any_of(p.begin(), p.end(), [&](const auto &e) { return ((e.what == parts) || ...); });
    };
    return has(part::day) && has(part::month, part::month_name) && has(part::year);
}

} // namespace

pattern pattern_of(std::string_view picture)
{
    pattern p;
    std::string words;
    const auto end_words = [&] {
        // The platform lowers a text, but cannot lower a picture, whose letters are its fields.
        std::transform(words.begin(), words.end(), words.begin(), ascii::to_lower);
        if (auto text = squeezed(words); !text.empty())
            p.push_back({part::text, std::move(text)});
        words.clear();
    };
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '\'') {
            // Quoted text; '' is a quote, within quotes or without.
            ++i;
            if (i < picture.size() && picture[i] == '\'') {
                words += '\'';
                ++i;
                continue;
            }
            while (i < picture.size()) {
                if (picture[i] == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
                    words += '\'';
                    i += 2;
                } else if (picture[i] == '\'') {
                    ++i;
                    break;
                } else {
                    words += picture[i++];
                }
            }
        } else if (c == 'd' || c == 'M' || c == 'y' || c == 'g') {
            std::size_t run = 1;
            while (i + run < picture.size() && picture[i + run] == c)
                ++run;
            end_words();
            p.push_back({part_of(c, run), {}});
            i += run;
        } else {
            words += c;
            ++i;
        }
    }
    end_words();
    return p;
}

std::vector<pattern> patterns_of(const std::vector<std::string> &pictures)
{
    std::vector<pattern> patterns;
    for (const auto &picture : pictures) {
        const auto full = pattern_of(picture);
        const auto bare = without(full, part::weekday);
        for (auto p : {without(bare, part::era), bare, without(full, part::era), full})
            if (tells_the_date(p) && std::find(patterns.begin(), patterns.end(), p) == patterns.end())
                patterns.push_back(std::move(p));
    }
    return patterns;
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
