#pragma once

// A text as the readers compare it. The platform puts it in lower case by the
// locale's rules and decomposes it; folding then makes every script's digits,
// spaces and marks ASCII, once, before anything reads it.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The longest text a date box may hold and still be read as a date, once the
// spaces around it are left out: so that Enter stays instant whatever a box holds.
constexpr std::size_t longest_date_utf16_units = 255;

// Whether the reader takes the character for a space: Unicode's spaces, the no-break ones among them.
constexpr bool is_space(char32_t c) noexcept
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x00A0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

// A typed text without the spaces around it, or nothing when what is left is
// too long to be a date. Asked before the platform's lower case, which costs
// with a text's length, and a box may hold thousands of characters.
constexpr std::optional<std::u16string_view> typed_date_text(std::u16string_view text) noexcept
{
    while (!text.empty() && is_space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_space(text.back()))
        text.remove_suffix(1);
    if (text.size() > longest_date_utf16_units)
        return std::nullopt;
    return text;
}

// Unicode's decimal digits (general category Nd) come in runs of ten, 0 to 9;
// these are the zeros of the runs, as of Unicode 15.
inline constexpr char32_t digit_zeros[] = {
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0};

// Every letter of a text is looked up, so by halving: the runs are in order.
constexpr int digit_value(char32_t c) noexcept
{
    const auto after = std::upper_bound(std::begin(digit_zeros), std::end(digit_zeros), c);
    if (after == std::begin(digit_zeros) || c - *std::prev(after) > 9)
        return -1;
    return static_cast<int>(c - *std::prev(after));
}

static_assert(digit_value(U'\u0665') == 5 && digit_value(U'\uff10') == 0 && digit_value(U'\U0001D7FF') == 9);
static_assert(digit_value(U'\u0660' - 1) == -1 && digit_value(U'\u0669' + 1) == -1);

// Accents once the text is decomposed, so that "MARTIOU" in Greek capitals,
// which drop them, still names the month; and the invisible marks that steer
// direction or joining, which some locales put into their dates.
constexpr bool is_ignored(char32_t c) noexcept
{
    return (c >= 0x0300 && c <= 0x036F) || c == 0x00AD || c == 0x061C || (c >= 0x200B && c <= 0x200F)
        || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069) || c == 0xFEFF;
}

// What Arabic is typed without as often as not ("امس" for "أمس"): its tanween,
// and a hamza or madda on alef, which decomposition puts after the alef.
constexpr bool is_left_out_in_arabic(char32_t c, std::string_view before) noexcept
{
    return (c >= 0x064B && c <= 0x064D) || (c >= 0x0653 && c <= 0x0655 && before.ends_with("\u0627"));
}

struct code_point {
    char32_t value;
    std::size_t size; // in bytes
};

// Malformed UTF-8 comes out a byte at a time, as itself: it is kept, and never
// matches anything a locale writes.
// Preconditions: !s.empty().
constexpr code_point decode(std::string_view s) noexcept
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    const std::size_t size = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    if (size == 1 || size > s.size())
        return {lead, 1};
    char32_t value = lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {lead, 1};
        value = value << 6 | (byte(i) & 0x3F);
    }
    return {value, size};
}

// Writes the text with digits in ASCII, every space a plain one, dotless i
// dotted (Turkish lower case makes English "FRIDAY" "frıday"), accents and
// invisible marks left out, and in Arabic what it is typed without, and
// returns its size; or nothing, when what it keeps is more UTF-16 units than
// a date may be. Never longer than the text. Only Arabic's own marks go, so
// that no other language's letters merge.
// Preconditions: the platform has put the text in lower case and decomposed
// it (UTF-8, NFKD); `out` holds text.size() bytes.
constexpr std::optional<std::size_t> fold_into(std::string_view text, char *out, bool arabic = false) noexcept
{
    std::size_t size = 0, units = 0;
    while (!text.empty()) {
        // Most of most texts is ASCII, which only its spaces change.
        if (const char byte = text.front(); static_cast<unsigned char>(byte) < 0x80) {
            out[size++] = is_space(static_cast<char32_t>(byte)) ? ' ' : byte;
            if (++units > longest_date_utf16_units)
                return std::nullopt;
            text.remove_prefix(1);
            continue;
        }
        const auto c = decode(text);
        const std::size_t kept = size;
        const int digit = digit_value(c.value);
        if (digit >= 0)
            out[size++] = static_cast<char>('0' + digit);
        else if (is_space(c.value))
            out[size++] = ' ';
        else if (c.value == 0x0131)
            out[size++] = 'i';
        else if (!is_ignored(c.value) && !(arabic && is_left_out_in_arabic(c.value, {out, size})))
            for (std::size_t i = 0; i < c.size; ++i)
                out[size++] = text[i];
        if (size != kept)
            units += c.value >= 0x10000 ? 2 : 1;
        if (units > longest_date_utf16_units)
            return std::nullopt;
        text.remove_prefix(c.size);
    }
    return size;
}

// The text as the readers compare it (see fold_into), or nothing.
inline std::optional<std::string> fold(std::string_view text, bool arabic = false)
{
    std::string out(text.size(), '\0');
    const auto size = fold_into(text, out.data(), arabic);
    if (!size)
        return std::nullopt;
    out.resize(*size);
    return out;
}

// A name or a format's words as the matcher compares them: folded, and without
// spaces, which a text may add or leave out anywhere.
inline std::string squeezed(std::string_view text)
{
    auto s = fold(text).value_or(std::string());
    std::erase(s, ' ');
    return s;
}

namespace detail {

// Whether `ones` ones and then `tail` fold, and to `folded` where given.
constexpr bool folds(std::size_t ones, std::string_view tail, std::string_view folded = {}) noexcept
{
    char text[2 * longest_date_utf16_units]{}, out[2 * longest_date_utf16_units]{};
    for (std::size_t i = 0; i < ones; ++i)
        text[i] = '1';
    for (std::size_t i = 0; i < tail.size(); ++i)
        text[ones + i] = tail[i];
    const auto size = fold_into({text, ones + tail.size()}, out);
    return size && (folded.empty() || std::string_view(out, *size) == folded);
}

} // namespace detail

static_assert(detail::folds(0, "\u0661\u0665\u00a0ma\u0308rz\u200f \u0131", "15 marz i"));
static_assert(detail::folds(0, "\xff\xc3", "\xff\xc3")); // malformed, kept
static_assert(detail::folds(longest_date_utf16_units, "\u0301") && !detail::folds(longest_date_utf16_units, "\U0001D7CE"));

} // namespace calc
