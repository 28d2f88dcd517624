#pragma once

// Reads a text by walking a locale's own formats part by part.

#include "calc/calendars.h"
#include "calc/civil.h"
#include "calc/format_pictures.h"
#include "calc/name_list.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// The words a locale writes between a date and its time ("um", "klo"), and
// after the time (Hindi's "बजे"), folded and without spaces; or, where the
// time comes first, before the time ("lúc") and between it and the date.
struct time_join {
    std::string before, after;
    bool time_first = false;
    friend bool operator==(const time_join &, const time_join &) = default;
};

// A locale's patterns, merged where they begin alike ("dddd, d. MMMM yyyy",
// "ddd dd MMM yyyy HH:mm:ss"), so that a text walks each beginning once.
struct pattern_tree {
    element part;          // what this step takes; nothing at the root
    bool ends = false;     // a pattern ends after it
    bool ends_without_year = false; // words a year ends a pattern after: a date without its year ends with them
    std::vector<pattern_tree> next;
};

pattern_tree tree_of(const std::vector<pattern> &patterns);

// A locale's formats and names as the matcher compares them with a text.
struct locale_words {
    pattern_tree patterns;
    name_list months;     // the Gregorian months', by number
    name_list own_months; // those of the locale's calendar, where it has months of its own
    name_list weekdays;   // Sunday 0
    name_list eras;       // by the calendar each names
    std::vector<std::string> first_years; // folded
    calendar own;
    pattern_tree time_patterns;
    std::vector<time_join> joins; // the empty one among them
    std::vector<time_join> time_first_joins;
    name_list day_periods;
    name_list utc_names;
    name_list relative_days; // by how many days after today each is
    name_list words_before, words_after; // a date
    std::array<std::vector<std::string>, 32> ordinal_endings; // by the day, folded
};

// What the readings of one text found: a date, or two that clash.
struct readings {
    std::optional<civil_date> date;
    bool clash = false;

    void operator()(const civil_date &d) noexcept
    {
        clash = clash || (date && *date != d);
        date = d;
    }
};

// Adds every date that the locale's formats read in the text to `found`, and
// the day a word for a day near day number `today` names, or stops at the
// first clash; a format without its year reads the year of its calendar that
// holds today.
// Preconditions: text is folded (calc/folding.h).
void match_formats(const locale_words &words, std::string_view text, int today, readings &found);

} // namespace calc
