#pragma once

#include "calc/date_difference.h"
#include "calc/date_recognizer.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// How both programs read their date boxes, and what Enter in either computes.
class date_entry
{
public:
    // A text as the platform gives the locale's names (see calc::locale_vocabulary):
    // in its own lower case by the locale's rules, and decomposed, in UTF-8.
    using lower_case = std::function<std::string(std::u16string_view)>;

    date_entry(const calc::locale_vocabulary &vocabulary, lower_case lower);

    // Enter: both boxes read once, with the one today the front end read from
    // its clock for this Enter (the user's local date), and the four result
    // texts when both hold dates; nothing otherwise.
    std::optional<calc::difference_texts> results(std::u16string_view first, std::u16string_view second,
                                                  calc::civil_date today) const;

    // What Text3 to Text6 show after Enter: the results it calculated or, when a box held no date,
    // their initial texts again, so that no figures of earlier dates pass for the answer.
    static std::array<std::string, 4> shown(const std::optional<calc::difference_texts> &calculated);

    // What a screen reader says of Text1 and Text2 besides their labels once Enter has moved the
    // focus to box `to` (1 or 2): what each box is and, on `to` alone, the results Enter calculated.
    // A screen reader reads a description as the focus arrives, and no change to a box without it.
    static std::array<std::string, 2> descriptions(std::size_t to,
                                                   const std::optional<calc::difference_texts> &calculated);

private:
    // The date a box's text holds, by the one recognition that both decides
    // whether it is a date and which.
    std::optional<calc::civil_date> read(std::u16string_view box, calc::civil_date today) const;

    calc::date_recognizer recognizer;
    lower_case lower;
};
