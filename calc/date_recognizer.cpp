#include "calc/date_recognizer.h"

#include "calc/date_rules.h"
#include "calc/english_reader.h"
#include "calc/folding.h"
#include "calc/format_pictures.h"
#include "calc/matcher.h"

#include <algorithm>

namespace calc {
namespace {

// Every name of each, for its number: the first of them `first`.
template <std::size_t N>
name_list numbered(const std::array<std::vector<std::string>, N> &names, int first)
{
    std::vector<name_list::name> all;
    for (std::size_t i = 0; i < N; ++i)
        for (const auto &text : names[i])
            all.push_back({text, static_cast<int>(i) + first});
    return name_list(std::move(all));
}

name_list eras_of(const locale_vocabulary &vocabulary)
{
    std::vector<name_list::name> all;
    for (const auto &[text, era] : vocabulary.eras)
        all.push_back({text, static_cast<int>(era)});
    return name_list(std::move(all));
}

// English's words under every locale, and the locale's own. A person types an
// apostrophe as ASCII's, where the locale's word may have a typographic one
// ("aujourd’hui").
name_list relative_days_of(const locale_vocabulary &vocabulary)
{
    std::vector<name_list::name> all{{"today", 0}, {"now", 0}, {"yesterday", -1}, {"tomorrow", 1}};
    for (const auto &[text, offset] : vocabulary.relative_days) {
        all.push_back({text, offset});
        std::string typed;
        for (std::string_view rest = text; !rest.empty();) {
            std::size_t apostrophe = 0;
            for (const std::string_view typographic : {"\u2019", "\u02bc"})
                if (rest.starts_with(typographic))
                    apostrophe = typographic.size();
            typed += apostrophe ? std::string_view("'") : rest.substr(0, 1);
            rest.remove_prefix(apostrophe ? apostrophe : 1);
        }
        all.push_back({std::move(typed), offset});
    }
    return name_list(std::move(all));
}

std::vector<std::string> first_years_of(const locale_vocabulary &vocabulary)
{
    std::vector<std::string> words;
    for (const auto &word : vocabulary.first_years)
        if (auto folded = squeezed(word); !folded.empty())
            words.push_back(std::move(folded));
    return words;
}

// Names that name nothing but themselves.
name_list listed(const std::vector<std::string> &names)
{
    std::vector<name_list::name> all;
    for (const auto &text : names)
        all.push_back({text, 0});
    return name_list(std::move(all));
}

// A join's pictures as the words they write.
std::string words_of(std::string_view picture)
{
    std::string words;
    for (const auto &e : pattern_of(picture))
        words += e.text;
    return words;
}

// Joins of a date and its time, none twice, after `joins`; `time_first` where the time comes first.
std::vector<time_join> joins_of(const std::vector<std::pair<std::string, std::string>> &pictures,
                                std::vector<time_join> joins, bool time_first)
{
    for (const auto &[before, after] : pictures)
        if (time_join join{words_of(before), words_of(after), time_first};
            std::find(joins.begin(), joins.end(), join) == joins.end())
            joins.push_back(std::move(join));
    return joins;
}

// The locale's patterns, with their year and without it.
std::vector<pattern> patterns_of(const locale_vocabulary &vocabulary, date_order order, date_order order_without_year)
{
    auto patterns = patterns_of(vocabulary.formats, order, order_without_year);
    auto without_year = patterns_without_year_of(vocabulary.formats_without_year, order_without_year);
    patterns.insert(patterns.end(), std::make_move_iterator(without_year.begin()), std::make_move_iterator(without_year.end()));
    return patterns;
}

// What each day's ordinal writes after its number ("er" of "1er").
std::array<std::vector<std::string>, 32> ordinal_endings_of(const locale_vocabulary &vocabulary)
{
    std::array<std::vector<std::string>, 32> endings;
    for (const auto &[text, day] : vocabulary.day_ordinals) {
        const auto folded = squeezed(text), number = std::to_string(day);
        if (day >= 1 && day <= 31 && folded.size() > number.size() && folded.starts_with(number))
            endings[static_cast<std::size_t>(day)].push_back(folded.substr(number.size()));
    }
    return endings;
}

// The names as Arabic is typed, without what it is typed without.
locale_vocabulary with_arabic_spelling(locale_vocabulary v)
{
    const auto refold = [](std::string &name) { name = fold(name, true).value_or(name); };
    for (auto *all : {&v.months, &v.own_months})
        for (auto &names : *all)
            std::for_each(names.begin(), names.end(), refold);
    for (auto &names : v.weekdays)
        std::for_each(names.begin(), names.end(), refold);
    for (auto *names : {&v.day_periods, &v.words_before, &v.words_after})
        std::for_each(names->begin(), names->end(), refold);
    for (auto &[name, era] : v.eras)
        refold(name);
    for (auto &[name, offset] : v.relative_days)
        refold(name);
    return v;
}

} // namespace

struct date_recognizer::compiled {
    date_order order, order_without_year; // of digits alone
    bool arabic_spelling;
    locale_words words;
};

void lower_picture_words(locale_vocabulary &vocabulary, const std::function<std::string(std::string_view)> &lower)
{
    for (auto *pictures : {&vocabulary.formats, &vocabulary.formats_without_year, &vocabulary.time_formats})
        for (auto &picture : *pictures)
            picture = with_words_lowered(picture, lower);
    for (auto *joins : {&vocabulary.time_joins, &vocabulary.time_first_joins})
        for (auto &[before, after] : *joins) {
            before = with_words_lowered(before, lower);
            after = with_words_lowered(after, lower);
        }
}

date_recognizer::date_recognizer(const locale_vocabulary &typed)
{
    const auto arabic = typed.arabic_spelling ? std::optional(with_arabic_spelling(typed)) : std::nullopt;
    const locale_vocabulary &vocabulary = arabic ? *arabic : typed;
    const name_list months = numbered(vocabulary.months, 1);
    const date_order order =
        vocabulary.formats.empty() ? date_order::month_day_year : order_of(pattern_of(vocabulary.formats.front()));
    const date_order order_without_year = vocabulary.formats_without_year.empty()
                                              ? order
                                              : order_of(pattern_of(vocabulary.formats_without_year.front()));
    known = std::make_unique<const compiled>(compiled{
        .order = order,
        .order_without_year = order_without_year,
        .arabic_spelling = vocabulary.arabic_spelling,
        .words = {
            .patterns = tree_of(patterns_of(vocabulary, order, order_without_year)),
            .months = months,
            // A name the Gregorian months have too cannot tell the calendars apart.
            .own_months = numbered(vocabulary.own_months, 1).without(months),
            .weekdays = numbered(vocabulary.weekdays, 0),
            .eras = eras_of(vocabulary),
            .first_years = first_years_of(vocabulary),
            .own = vocabulary.own_calendar,
            .time_patterns = tree_of(time_patterns_of(vocabulary.time_formats)),
            .joins = joins_of(vocabulary.time_joins, {{}}, false),
            .time_first_joins = joins_of(vocabulary.time_first_joins, {}, true),
            .day_periods = listed(vocabulary.day_periods),
            .utc_names = listed(vocabulary.utc_names),
            .relative_days = relative_days_of(vocabulary),
            .words_before = listed(vocabulary.words_before),
            .words_after = listed(vocabulary.words_after),
            .ordinal_endings = ordinal_endings_of(vocabulary),
        },
    });
}

date_recognizer::date_recognizer(date_recognizer &&) noexcept = default;
date_recognizer::~date_recognizer() = default;

std::optional<civil_date> date_recognizer::recognize(std::string_view typed, civil_date today) const
{
    // Folded again, Arabic loses what it may be typed without; no text grows.
    const auto arabic = known->arabic_spelling ? fold(typed, true) : std::nullopt;
    const std::string_view text = arabic ? std::string_view(*arabic) : typed;
    const int z = days_from_civil(today.year, today.month, today.day);
    readings found;
    // Digits alone are in the locale's calendar; English names and ISO in the Gregorian one.
    auto english = parse_english(text, known->order);
    // A day and month without their year go in the order the locale writes them ("7/1" is 7 January in Swedish).
    if (english && english->in_digits && english->date.year_digits == 0 && known->order_without_year != known->order)
        english = parse_english(text, known->order_without_year);
    if (english) {
        const calendar c = english->in_digits ? known->words.own : calendar::gregorian;
        if (const auto date = check_date(c, in_year_of(c, english->date, z)))
            found(*date);
    }
    match_formats(known->words, text, z, found);
    return found.clash ? std::nullopt : found.date;
}

} // namespace calc
