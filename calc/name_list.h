#pragma once

// A locale's names of one kind (months, weekdays, eras) as the matcher
// compares them, each with what it names.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

class name_list {
public:
    struct name {
        std::string text;
        int value; // a month's number, a weekday's, an era's calendar
        friend auto operator<=>(const name &, const name &) = default;
    };

    name_list() = default;
    // The names as the platform gives them; folded and without spaces here,
    // each that ends in a full stop also without it, and kept in order.
    explicit name_list(std::vector<name> written);

    bool empty() const noexcept { return names.empty(); }

    // Those that `other` does not hold.
    name_list without(const name_list &other) const;

    // Those that begin with the letter `s` begins with, past any spaces: a
    // text's first letter finds the few names it can begin at once, for texts
    // are read in scripts whose names mostly share their first bytes.
    std::span<const name> starting(std::string_view s) const;

private:
    // The names that begin with each first letter, by the letter: looking a
    // letter up compares numbers, not texts.
    struct letter_names {
        char32_t letter;
        std::size_t first, last;
    };

    std::vector<name> names;
    std::vector<letter_names> by_letter;
};

} // namespace calc
