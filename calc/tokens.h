#pragma once

// English dates and times of day are read as a short run of tokens: numbers,
// words, single marks. White space only parts them, so "15th" and "15 th"
// are one. The take_ functions move `s` past what they match, and leave it
// alone otherwise.

#include "calc/ascii.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace calc::tokens {

// Preconditions: lower is in lower case.
constexpr bool same_letters(std::string_view word, std::string_view lower) noexcept
{
    if (word.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (ascii::to_lower(word[i]) != lower[i])
            return false;
    return true;
}

enum class kind : unsigned char { end, number, word, mark };

struct token {
    kind what;
    std::string_view text;  // a run of digits or letters, or one other character
    std::string_view after; // what follows it
};

constexpr token scan(std::string_view s) noexcept
{
    // Pointers rather than indices: this is the hot loop, and debug builds call
    // every string_view member.
    const char *first = s.data();
    const char *const end = first + s.size();
    while (first != end && ascii::is_space(*first))
        ++first;
    if (first == end)
        return {kind::end, {}, {}};
    const char *last = first + 1;
    auto what = kind::mark;
    if (ascii::is_digit(*first)) {
        what = kind::number;
        while (last != end && ascii::is_digit(*last))
            ++last;
    } else if (ascii::is_letter(*first)) {
        what = kind::word;
        while (last != end && ascii::is_letter(*last))
            ++last;
    }
    return {what, {first, static_cast<std::size_t>(last - first)}, {last, static_cast<std::size_t>(end - last)}};
}

constexpr bool at_end(std::string_view s) noexcept
{
    return scan(s).what == kind::end;
}

constexpr bool take_mark(std::string_view &s, char c) noexcept
{
    const auto t = scan(s);
    if (t.what != kind::mark || t.text[0] != c)
        return false;
    s = t.after;
    return true;
}

// A character UTF-8 writes in more than one byte ("–", "’"), which scan
// takes a byte at a time.
constexpr bool take_character(std::string_view &s, std::string_view utf8) noexcept
{
    const auto t = scan(s);
    const std::string_view from(t.text.data(), t.text.size() + t.after.size());
    if (t.what != kind::mark || !from.starts_with(utf8))
        return false;
    s = from.substr(utf8.size());
    return true;
}

constexpr bool take_word(std::string_view &s, std::string_view lower) noexcept
{
    const auto t = scan(s);
    if (t.what != kind::word || !same_letters(t.text, lower))
        return false;
    s = t.after;
    return true;
}

struct number {
    int value;
    std::size_t digits;
};

// Preconditions: max_digits <= 9, so the value fits an int.
constexpr std::optional<number> number_in(const token &t, std::size_t min_digits, std::size_t max_digits) noexcept
{
    if (t.what != kind::number || t.text.size() < min_digits || t.text.size() > max_digits)
        return std::nullopt;
    int value = 0;
    for (const char c : t.text)
        value = value * 10 + (c - '0');
    return number{value, t.text.size()};
}

constexpr std::optional<number> take_number(std::string_view &s, std::size_t min_digits,
                                            std::size_t max_digits) noexcept
{
    const auto t = scan(s);
    const auto n = number_in(t, min_digits, max_digits);
    if (n)
        s = t.after;
    return n;
}

} // namespace calc::tokens
