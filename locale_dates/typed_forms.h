#pragma once

#include "calc/date_recognizer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What people of a language type that no platform's data writes: forms of
// dates and times (Japanese and Chinese input methods put "・" between a
// date's numbers, "２００４・３・１５"), the words before a date ("am 15. März"),
// after it ("15.03.2004 r.") and between it and its time ("o godz. 14:30"),
// and the hour's own word, which may also follow a whole time ("14.30 uur").
// Words in lower case, decomposed (NFKD).
namespace typed_forms {

struct language_forms {
    std::string_view language; // as ISO 639 names it ("ja")
    std::array<std::string_view, 2> formats, time_formats;
    std::array<std::string_view, 3> before_date, after_date, before_time;
    std::string_view hour_word;
};

inline constexpr language_forms languages[] = {
    {"ar", {"dddd d MMMM yyyy"}, {}, {}, {}, {}, {}}, // the weekday without its comma
    {"de", {}, {}, {"am", "den"}, {}, {"um"}, "uhr"},
    {"es", {}, {}, {"el"}, {}, {"a las", "a la"}, "h"},
    {"fr", {}, {}, {"le"}, {}, {"a\u0300"}, "h"},
    {"it", {}, {}, {"il", "l'"}, {}, {"ore", "alle ore"}, {}},
    {"ja", {"yyyy・M・d"}, {}, {}, {}, {}, {}},
    {"nl", {}, {"H.mm"}, {"op"}, {}, {"om"}, "uur"},
    {"pl", {}, {}, {}, {"r.", "roku"}, {"o godz.", "godz.", "o"}, {}},
    {"ru", {"dddd, d MMMM yyyy 'года'"}, {}, {}, {}, {"в"}, {}}, // the year's word in full
    {"sv", {}, {"H.mm"}, {"den"}, {}, {"kl."}, {}},
    {"zh", {"yyyy・M・d"}, {}, {}, {}, {}, {}},
};

// A word as a picture writes it, quoted.
inline std::string quoted(std::string_view word)
{
    return word.empty() ? std::string() : "'" + std::string(word) + "'";
}

} // namespace typed_forms

// `language` is the locale's, as ISO 639 names it ("ja").
inline void addTypedForms(calc::locale_vocabulary &vocabulary, std::string_view language)
{
    vocabulary.arabic_spelling = language == "ar";
    for (const auto &forms : typed_forms::languages) {
        if (forms.language != language)
            continue;
        const auto add = [](std::vector<std::string> &to, const auto &words) {
            for (const auto word : words)
                if (!word.empty())
                    to.emplace_back(word);
        };
        add(vocabulary.formats, forms.formats);
        add(vocabulary.time_formats, forms.time_formats);
        add(vocabulary.words_before, forms.before_date);
        add(vocabulary.words_after, forms.after_date);
        for (const auto word : forms.before_time)
            if (!word.empty())
                vocabulary.time_joins.emplace_back(typed_forms::quoted(word), "");
        if (!forms.hour_word.empty()) {
            std::string hour = "H ";
            hour += typed_forms::quoted(forms.hour_word);
            vocabulary.time_formats.push_back(std::move(hour));
        }
    }
}
