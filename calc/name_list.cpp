#include "calc/name_list.h"

#include "calc/folding.h"

#include <algorithm>
#include <utility>

namespace calc {

name_list::name_list(std::vector<name> written)
{
    for (auto &[text, value] : written)
        if (auto folded = squeezed(text); !folded.empty()) {
            // A short name may be written without its full stop ("июн" for "июн.").
            if (folded.size() > 1 && folded.back() == '.')
                names.push_back({folded.substr(0, folded.size() - 1), value});
            names.push_back({std::move(folded), value});
        }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    // Sorted by their bytes, names that begin with one letter stand together, and the letters in order.
    for (std::size_t i = 0; i < names.size(); ++i) {
        const char32_t letter = decode(names[i].text).value;
        if (by_letter.empty() || by_letter.back().letter != letter)
            by_letter.push_back({letter, i, i});
        by_letter.back().last = i + 1;
    }
}

name_list name_list::without(const name_list &other) const
{
    std::vector<name> kept;
    std::copy_if(names.begin(), names.end(), std::back_inserter(kept), [&](const name &n) {
        return std::none_of(other.names.begin(), other.names.end(), [&](const name &o) { return o.text == n.text; });
    });
    return name_list(std::move(kept));
}

std::span<const name_list::name> name_list::starting(std::string_view s) const
{
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
    if (s.empty())
        return {};
    const char32_t letter = decode(s).value;
    const auto at = std::lower_bound(by_letter.begin(), by_letter.end(), letter,
                                     [](const letter_names &l, char32_t c) { return l.letter < c; });
    if (at == by_letter.end() || at->letter != letter)
        return {};
    return std::span(names).subspan(at->first, at->last - at->first);
}

} // namespace calc
