#pragma once

// Reads a text by walking a locale's own formats part by part.

#include "calc/calendars.h"
#include "calc/civil.h"
#include "calc/format_pictures.h"
#include "calc/name_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// A locale's formats and names as the matcher compares them with a text.
struct locale_words {
    std::vector<pattern> patterns;
    name_list months;     // the Gregorian months', by number
    name_list own_months; // those of the locale's calendar, where it has months of its own
    name_list weekdays;   // Sunday 0
    name_list eras;       // by the calendar each names
    std::vector<std::string> first_years; // folded
    calendar own;
    name_list relative_days; // by how many days after today each is
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

// Adds every date that the locale's formats read in the text to `found`, or
// stops at the first clash; a format without its year reads the year of its
// calendar that holds day `today`.
// Preconditions: text is folded (calc/folding.h).
void match_formats(const locale_words &words, std::string_view text, int today, readings &found);

// Adds the day that a word for a day near `today` names, followed by a time or nothing.
// Preconditions: text is folded (calc/folding.h).
void match_relative_days(const locale_words &words, std::string_view text, int today, readings &found);

} // namespace calc
