#include "ui/main_window/date_entry.h"

#include "ui/main_window/velmarin_design.h"

#include "calc/folding.h"

#include <utility>

namespace {

namespace design = velmarin_design;

// "65 days", "-9 weeks", "1 month": a figure as its box writes it, and its unit.
std::string counted(const std::string &figure, std::size_t unit)
{
    return figure + ' ' + design::result_units[unit] + (figure == "1" || figure == "-1" ? "" : "s");
}

} // namespace

date_entry::date_entry(const calc::locale_vocabulary &vocabulary, lower_case lower)
    : recognizer(vocabulary)
    , lower(std::move(lower))
{
}

// The text is read only once folded, and folded once.
std::optional<calc::civil_date> date_entry::read(std::u16string_view box, calc::civil_date today) const
{
    const auto typed = calc::typed_date_text(box);
    if (!typed)
        return std::nullopt;
    const auto folded = calc::fold(lower(*typed));
    return folded ? recognizer.recognize(*folded, today) : std::nullopt;
}

std::optional<calc::difference_texts> date_entry::results(std::u16string_view first, std::u16string_view second,
                                                          calc::civil_date today) const
{
    const auto to = read(second, today);
    const auto from = read(first, today);
    if (!from || !to)
        return std::nullopt;
    return calc::format_differences(calc::date_difference(*from, *to));
}

std::array<std::string, 4> date_entry::shown(const std::optional<calc::difference_texts> &calculated)
{
    if (calculated)
        return {calculated->days, calculated->weeks, calculated->months, calculated->years};
    return {design::boxes[2].initial, design::boxes[3].initial, design::boxes[4].initial, design::boxes[5].initial};
}

std::array<std::string, 2> date_entry::descriptions(std::size_t to,
                                                    const std::optional<calc::difference_texts> &calculated)
{
    std::array<std::string, 2> said{design::boxes[0].description, design::boxes[1].description};
    if (calculated)
        said[to - 1] += ". " + counted(calculated->days, 0) + ", " + counted(calculated->weeks, 1) + ", "
                      + counted(calculated->months, 2) + ", " + counted(calculated->years, 3) + design::results_end;
    return said;
}
