#pragma once

// Dates as the user's locale writes them, besides English and ISO.

#include "calc/calendars.h"
#include "calc/civil.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace calc {

// How the user's locale writes dates, as the platform tells it. Texts are
// UTF-8 in Unicode's compatibility decomposition (NFKD); names are in lower
// case by the locale's own rules.
struct locale_vocabulary {
    // Pictures such as "dddd, d. MMMM yyyy" (see calc/format_pictures.h): those
    // of every calendar the locale writes dates in. The first is the short
    // format of its own calendar, which decides the order of digits-only dates.
    std::vector<std::string> formats{};
    std::array<std::vector<std::string>, 12> months{};  // every name of each Gregorian month, January first
    std::array<std::vector<std::string>, 7> weekdays{}; // Sunday first

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

    // Pictures of the times of day the locale writes after a date ("HH:mm",
    // "a h시 m분 s초"; see calc/format_pictures.h), and of the words between
    // the date and the time and after the time ("{1} 'um' {0}" as "'um'" and
    // ""). A time may also follow a date with nothing between them.
    std::vector<std::string> time_formats{};
    std::vector<std::pair<std::string, std::string>> time_joins{};
    // Every name of each of the day's periods: AM and PM, and those of parts of the day.
    std::vector<std::string> day_periods{};
    // The locale's names for UTC, besides those every locale reads.
    std::vector<std::string> utc_names{};
    // Words for a day near today, and how many days after today it is
    // ("gestern", -1); the word for now names today.
    std::vector<std::pair<std::string, int>> relative_days{};
    // Pictures of a day and month without their year ("d/M", "d. MMMM",
    // "ddd, d.M."), as the locale writes them; the first of them, where there
    // is one, is the order digits without a year are read in ("d/M": 7/1 is
    // 7 January), in place of the short date's.
    std::vector<std::string> formats_without_year{};
    // Pictures of the words before a time written first and between it and
    // the date ("{0} {1}" as "" and "", "'lúc' {0} {1}" as "'lúc'" and "").
    std::vector<std::pair<std::string, std::string>> time_first_joins{};
    // A day of the month as an ordinal the locale writes ("1er", 1), in its lower case.
    std::vector<std::pair<std::string, int>> day_ordinals{};
};

// Puts the pictures' words in the lower case the names are in ("στις" as the
// platform lowers it), which the platform cannot do to a whole picture, whose
// letters are its fields.
void lower_picture_words(locale_vocabulary &vocabulary, const std::function<std::string(std::string_view)> &lower);

// The one answer to both "is this text a date?" and "which date?", so that the
// two can never disagree. Takes the English and ISO forms, digits in the
// locale's order, and what the locale's formats write, with or without the
// weekday, with any of a name's forms, and with spaces added or left out; a
// day and month without their year in the year of their calendar that holds
// today; and today, the days around it and now, in English and the locale's
// words. Where two readings of a text give different dates, it is not a date.
class date_recognizer {
public:
    explicit date_recognizer(const locale_vocabulary &vocabulary = {});
    date_recognizer(date_recognizer &&) noexcept;
    ~date_recognizer();

    // `today` is the user's local date, which the caller reads from its clock.
    // Preconditions: text is folded (calc/folding.h), its names as the vocabulary's are.
    std::optional<civil_date> recognize(std::string_view text, civil_date today) const;

private:
    struct compiled; // the formats taken apart, the names as they are compared
    std::unique_ptr<const compiled> known;
};

} // namespace calc
