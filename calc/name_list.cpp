#include "calc/name_list.h"

#include "calc/folding.h"

#include <algorithm>
#include <utility>

namespace calc {
namespace {

// Compares a name's first letter, of `size` bytes, with one.
struct by_letter {
    std::size_t size;
    bool operator()(const name_list::name &n, std::string_view letter) const
    {
        return n.text.compare(0, size, letter) < 0;
    }
    bool operator()(std::string_view letter, const name_list::name &n) const
    {
        return n.text.compare(0, size, letter) > 0;
    }
};

} // namespace

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
}

name_list name_list::without(const name_list &other) const
{
    name_list kept;
    std::copy_if(names.begin(), names.end(), std::back_inserter(kept.names), [&](const name &n) {
        return std::none_of(other.names.begin(), other.names.end(), [&](const name &o) { return o.text == n.text; });
    });
    return kept;
}

std::span<const name_list::name> name_list::starting(std::string_view s) const
{
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
    if (s.empty())
        return {};
    const auto letter = s.substr(0, decode(s).size);
    const auto [first, last] = std::equal_range(names.begin(), names.end(), letter, by_letter{letter.size()});
    return {first, last};
}

} // namespace calc
