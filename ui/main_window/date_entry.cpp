#include "ui/main_window/date_entry.h"

#include <utility>

date_entry::date_entry(const calc::locale_vocabulary &vocabulary, fold_function fold)
    : recognize(vocabulary)
    , fold(std::move(fold))
{
}

std::optional<calc::civil_date> date_entry::date_in(std::u16string_view text) const
{
    const auto typed = calc::typed_date_text(text);
    if (!typed)
        return std::nullopt;
    return recognize(fold(*typed));
}

std::optional<calc::difference_texts> date_entry::results(std::u16string_view first,
                                                          std::u16string_view second) const
{
    const auto to = date_in(second);
    const auto from = date_in(first);
    if (!from || !to)
        return std::nullopt;
    return calc::format_differences(calc::date_difference(*from, *to));
}
