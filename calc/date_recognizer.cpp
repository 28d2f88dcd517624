#include "calc/date_recognizer.h"

#include "calc/ascii.h"
#include "calc/date_rules.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>

// A locale's date is read by walking its own formats part by part and trying
// every way a part can be taken: a name that begins another ("červen",
// "červenec"), a full stop that may end an abbreviation or stand for itself.
// Texts are short and formats few, so trying them all costs little, and it
// lets a text that two readings take for different dates be refused rather
// than guessed.

namespace calc {
namespace {

// Unicode's decimal digits (general category Nd) come in runs of ten, 0 to 9;
// these are the zeros of the runs, as of Unicode 15.
constexpr char32_t digit_zeros[] = {
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

struct code_point {
    char32_t value;
    std::size_t size; // in bytes
};

// Malformed UTF-8 comes out a byte at a time, as itself: it is kept, and never
// matches anything a locale writes.
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

// Writes the text as it is compared: digits in ASCII, every space a plain one,
// ASCII in lower case, dotless i dotted, accents and invisible marks left out. Never longer than
// the text. Returns the size written.
constexpr std::size_t fold(std::string_view text, char *out) noexcept
{
    std::size_t size = 0;
    while (!text.empty()) {
        const auto c = decode(text);
        if (const int digit = digit_value(c.value); digit >= 0)
            out[size++] = static_cast<char>('0' + digit);
        else if (is_space(c.value))
            out[size++] = ' ';
        else if (c.value >= 'A' && c.value <= 'Z')
            out[size++] = static_cast<char>(c.value - 'A' + 'a');
        else if (c.value == 0x0131) // Turkish lower case makes English "FRIDAY" "frıday"
            out[size++] = 'i';
        else if (!is_ignored(c.value))
            for (std::size_t i = 0; i < c.size; ++i)
                out[size++] = text[i];
        text.remove_prefix(c.size);
    }
    return size;
}

constexpr bool folds_to(std::string_view text, std::string_view folded) noexcept
{
    char out[32]{};
    return std::string_view(out, fold(text, out)) == folded;
}
static_assert(folds_to("\u0661\u0665\u00a0MA\u0308RZ\u200f \u0131", "15 marz i"));
static_assert(folds_to("\xff\xc3", "\xff\xc3")); // malformed, kept

// A name or a format's words as compared: folded, and without spaces, which
// may be added or left out anywhere in a text.
std::string squeezed(std::string_view text)
{
    std::string s(text.size(), '\0');
    s.resize(fold(text, s.data()));
    std::erase(s, ' ');
    return s;
}

constexpr std::string_view skip_spaces(std::string_view s) noexcept
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

using ascii::is_digit;

// `want` as the start of `s`, with spaces anywhere in `s`. Returns the rest.
constexpr std::optional<std::string_view> take_loose(std::string_view s, std::string_view want) noexcept
{
    for (const char c : want) {
        s = skip_spaces(s);
        if (s.empty() || s.front() != c)
            return std::nullopt;
        s.remove_prefix(1);
    }
    return s;
}

// As much of `want` as starts `s`: the words that end a date may be cut short
// or left out ("2004 г." as "2004 г" or "2004").
constexpr std::string_view take_any_start(std::string_view s, std::string_view want) noexcept
{
    for (const char c : want) {
        const auto rest = skip_spaces(s);
        if (rest.empty() || rest.front() != c)
            break;
        s = rest.substr(1);
    }
    return s;
}

// A name must not end inside a number: "tháng 1" is not the start of "tháng 10".
constexpr std::optional<std::string_view> take_loose_name(std::string_view s, std::string_view name) noexcept
{
    const auto rest = take_loose(s, name);
    if (rest && !rest->empty() && is_digit(rest->front()) && is_digit(name.back()))
        return std::nullopt;
    return rest;
}

struct digit_run {
    int value;
    std::size_t count;
    std::string_view rest;
};

// All the digits that stand together, so that "152004" is never 15 and 2004.
constexpr std::optional<digit_run> take_digits(std::string_view s, std::size_t min_digits,
                                            std::size_t max_digits) noexcept
{
    s = skip_spaces(s);
    std::size_t count = 0;
    int value = 0;
    while (count < s.size() && is_digit(s[count])) {
        if (++count > max_digits)
            return std::nullopt;
        value = value * 10 + (s[count - 1] - '0');
    }
    if (count < min_digits)
        return std::nullopt;
    return digit_run{value, count, s.substr(count)};
}

// What two readings of one text found.
struct readings {
    std::optional<civil_date> date;
    bool clash = false;

    void operator()(const civil_date &d) noexcept
    {
        clash = clash || (date && *date != d);
        date = d;
    }
};

// What a format is kept as.
enum class part : unsigned char { text, day, month, month_name, year, weekday, era };
struct element {
    part what;
    std::string text; // of a part::text, folded and without spaces
    friend bool operator==(const element &, const element &) = default;
};
using pattern = std::vector<element>;

// Whose names a month was written in.
enum class month_names : unsigned char { none, gregorian, own };

// What a reading has taken so far.
struct partial {
    written_date date;
    month_names named = month_names::none;
    std::optional<calendar> era; // the calendar an era's name named
};

// An era decides wherever it stands; otherwise a month's name, written in the
// Gregorian names where the locale's calendar has names of its own; otherwise
// the locale's calendar. A month's name must be one of the calendar's.
constexpr std::optional<calendar> calendar_of(const partial &got, calendar own) noexcept
{
    const calendar c = got.era                                                      ? *got.era
                       : got.named == month_names::gregorian && has_own_months(own) ? calendar::gregorian
                                                                                    : own;
    switch (got.named) {
    case month_names::none: return c;
    case month_names::gregorian: return has_own_months(c) ? std::nullopt : std::optional(c);
    case month_names::own: return c == own ? std::optional(c) : std::nullopt;
    }
    return std::nullopt;
}

static_assert(calendar_of({{}, month_names::gregorian, {}}, calendar::buddhist) == calendar::buddhist);
static_assert(calendar_of({{}, month_names::gregorian, {}}, calendar::persian) == calendar::gregorian);
static_assert(calendar_of({{}, month_names::own, calendar::gregorian}, calendar::umalqura) == std::nullopt);
static_assert(calendar_of({{}, month_names::none, calendar::reiwa}, calendar::gregorian) == calendar::reiwa);

constexpr part part_of(char letter, std::size_t run) noexcept
{
    switch (letter) {
    case 'd': return run <= 2 ? part::day : part::weekday;
    case 'M': return run <= 2 ? part::month : part::month_name;
    case 'g': return part::era;
    default: return part::year;
    }
}

pattern parse(std::string_view picture)
{
    pattern p;
    std::string words;
    const auto end_words = [&] {
        if (auto text = squeezed(words); !text.empty())
            p.push_back({part::text, std::move(text)});
        words.clear();
    };
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '\'') {
            // Quoted text; '' is a quote, within quotes or without.
            ++i;
            if (i < picture.size() && picture[i] == '\'') {
                words += '\'';
                ++i;
                continue;
            }
            while (i < picture.size()) {
                if (picture[i] == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
                    words += '\'';
                    i += 2;
                } else if (picture[i] == '\'') {
                    ++i;
                    break;
                } else {
                    words += picture[i++];
                }
            }
        } else if (c == 'd' || c == 'M' || c == 'y' || c == 'g') {
            std::size_t run = 1;
            while (i + run < picture.size() && picture[i + run] == c)
                ++run;
            end_words();
            p.push_back({part_of(c, run), {}});
            i += run;
        } else {
            words += c;
            ++i;
        }
    }
    end_words();
    return p;
}

// The weekday or the era may be left out, and with it the words that part it
// from the date ("Montag, 15. März 2004" as "15. März 2004"); words after one
// that ends the date are kept, since they may end the date itself
// ("2004. március 15., hétfő" as "2004. március 15.").
pattern without(pattern p, part left_out)
{
    const auto at = std::find_if(p.begin(), p.end(), [&](const auto &e) { return e.what == left_out; });
    if (at == p.end())
        return p;
    const auto words_after = std::next(at) != p.end() && std::next(at)->what == part::text;
    p.erase(at, std::next(at, words_after ? 2 : 1));
    return p;
}

// A format that leaves out the day, the month or the year cannot say which date it is.
bool tells_the_date(const pattern &p)
{
    const auto has = [&](auto... parts) {
        return std::any_of(p.begin(), p.end(), [&](const auto &e) { return ((e.what == parts) || ...); });
    };
    return has(part::day) && has(part::month, part::month_name) && has(part::year);
}

// A month written as a name decides alone, as in English; otherwise the order
// in which the short format writes its numbers.
date_order order_of(const pattern &short_format)
{
    int year = -1, month = -1, day = -1;
    for (int i = 0; const auto &e : short_format) {
        if (e.what == part::month_name)
            return date_order::month_day_year;
        int &at = e.what == part::year ? year : e.what == part::month ? month : day;
        if ((e.what == part::day || e.what == part::month || e.what == part::year) && at < 0)
            at = i;
        ++i;
    }
    if (year >= 0 && year < month && year < day)
        return date_order::year_month_day;
    return day >= 0 && day < month ? date_order::day_month_year : date_order::month_day_year;
}

// Names as they are compared, each with what it names (a month, a weekday, an
// era's calendar), kept in order: a text's first letter then finds the few
// names it can begin at once, for texts are read in scripts whose names
// mostly share their first bytes.
class name_list {
public:
    struct name {
        std::string text;
        int value;
        friend auto operator<=>(const name &, const name &) = default;
    };

    void add(std::string_view written, int value)
    {
        if (auto text = squeezed(written); !text.empty())
            names.push_back({std::move(text), value});
    }

    void sort()
    {
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
    }

    bool contains(std::string_view text) const
    {
        return std::any_of(names.begin(), names.end(), [&](const name &n) { return n.text == text; });
    }

    // Those of the names that begin with the letter `s` begins with, past any spaces.
    std::span<const name> starting(std::string_view s) const
    {
        s = skip_spaces(s);
        if (s.empty())
            return {};
        const auto letter = s.substr(0, decode(s).size);
        const auto [first, last] = std::equal_range(names.begin(), names.end(), letter, by_letter{letter.size()});
        return {first, last};
    }

private:
    struct by_letter {
        std::size_t size;
        bool operator()(const name &n, std::string_view letter) const { return n.text.compare(0, size, letter) < 0; }
        bool operator()(std::string_view letter, const name &n) const { return n.text.compare(0, size, letter) > 0; }
    };

    std::vector<name> names;
};

} // namespace

struct date_recognizer::compiled {
    std::vector<pattern> patterns;
    name_list months, own_months; // by the month's number
    name_list weekdays;           // Sunday 0
    name_list eras;               // by the calendar they name
    std::vector<std::string> first_years;
    date_order order;
    calendar own;

    template <typename Found>
    void match(const pattern &p, std::size_t at, std::string_view rest, partial got, Found &found) const;

    // A whole reading: what follows it must be a time or nothing.
    template <typename Found>
    void finish(std::string_view rest, const partial &got, Found &found) const
    {
        if (!nothing_but_a_time(rest))
            return;
        if (const auto c = calendar_of(got, own))
            if (const auto date = date_in(*c, got.date))
                found(*date);
    }
};

date_recognizer::date_recognizer(const locale_vocabulary &vocabulary)
{
    auto made = std::make_unique<compiled>();
    auto &[patterns, months, own_months, weekdays, eras, first_years, order, own] = *made;
    order = vocabulary.formats.empty() ? date_order::month_day_year : order_of(parse(vocabulary.formats.front()));
    own = vocabulary.own_calendar;
    for (const auto &picture : vocabulary.formats) {
        const auto full = parse(picture);
        const auto bare = without(full, part::weekday);
        for (auto p : {without(bare, part::era), bare, without(full, part::era), full})
            if (tells_the_date(p) && std::find(patterns.begin(), patterns.end(), p) == patterns.end())
                patterns.push_back(std::move(p));
    }
    const auto add = [](name_list &to, const auto &from, int first) {
        for (std::size_t i = 0; i < from.size(); ++i)
            for (const auto &name : from[i])
                to.add(name, static_cast<int>(i) + first);
        to.sort();
    };
    add(months, vocabulary.months, 1);
    add(weekdays, vocabulary.weekdays, 0);
    // A name the Gregorian months have too cannot tell the calendars apart.
    for (std::size_t i = 0; i < vocabulary.own_months.size(); ++i)
        for (const auto &name : vocabulary.own_months[i])
            if (!months.contains(squeezed(name)))
                own_months.add(name, static_cast<int>(i) + 1);
    own_months.sort();
    for (const auto &[name, era] : vocabulary.eras)
        eras.add(name, static_cast<int>(era));
    eras.sort();
    for (const auto &word : vocabulary.first_years)
        if (auto n = squeezed(word); !n.empty())
            first_years.push_back(std::move(n));
    known = std::move(made);
}

date_recognizer::date_recognizer(date_recognizer &&) noexcept = default;
date_recognizer::~date_recognizer() = default;

template <typename Found>
void date_recognizer::compiled::match(const pattern &p, std::size_t at, std::string_view rest, partial got,
                            Found &found) const
{
    if (found.clash)
        return;
    if (at == p.size()) {
        finish(rest, got, found);
        // An era may also follow a date whose format leaves it no place ("16 آذر 1405 ه.ش.").
        if (!got.era)
            for (const auto &[written, era] : eras.starting(rest))
                if (const auto after = take_loose(rest, written)) {
                    got.era = static_cast<calendar>(era);
                    finish(*after, got, found);
                }
        return;
    }
    const auto next = [&](std::string_view after) { match(p, at + 1, after, got, found); };
    // Each name the text may begin with, then, as an abbreviation may have, a full stop or none.
    const auto names = [&](const name_list &all, auto &&take) {
        for (const auto &[written, value] : all.starting(rest))
            if (const auto after = take_loose_name(rest, written)) {
                take(value);
                next(*after);
                if (const auto stop = take_loose(*after, "."))
                    next(*stop);
            }
    };
    const auto month = [&](month_names whose) {
        return [&got, whose](int value) {
            got.date.month = value;
            got.named = whose;
        };
    };
    const element &e = p[at];
    switch (e.what) {
    case part::text:
        if (at + 1 == p.size())
            next(take_any_start(rest, e.text));
        else if (const auto after = take_loose(rest, e.text))
            next(*after);
        break;
    case part::day:
    case part::month:
        if (const auto n = take_digits(rest, 1, 2)) {
            (e.what == part::day ? got.date.day : got.date.month) = n->value;
            next(n->rest);
        }
        break;
    case part::year:
        // Five digits for the Buddhist years of the last Gregorian centuries.
        if (const auto n = take_digits(rest, 1, 5)) {
            got.date.year = n->value;
            got.date.year_digits = n->count;
            next(n->rest);
        }
        // An era's first year may have a word of its own (Japanese 元年).
        for (const auto &word : first_years)
            if (const auto after = take_loose(rest, word)) {
                got.date.year = 1;
                got.date.year_digits = 1;
                next(*after);
            }
        break;
    case part::month_name:
        names(months, month(month_names::gregorian));
        names(own_months, month(month_names::own));
        break;
    case part::weekday: names(weekdays, [&](int value) { got.date.weekday = value; }); break;
    case part::era: names(eras, [&](int value) { got.era = static_cast<calendar>(value); }); break;
    }
}

std::optional<civil_date> date_recognizer::operator()(std::string_view text) const
{
    if (text.size() > longest_folded_date)
        return std::nullopt;
    char buffer[longest_folded_date];
    const std::string_view folded(buffer, fold(text, buffer));
    readings found;
    // Digits alone are in the locale's calendar; English names and ISO in the Gregorian one.
    if (const auto english = read_english(folded, known->order))
        if (const auto date = date_in(english->in_digits ? known->own : calendar::gregorian, english->date))
            found(*date);
    for (const auto &p : known->patterns)
        known->match(p, 0, folded, {}, found);
    return found.clash ? std::nullopt : found.date;
}

} // namespace calc
