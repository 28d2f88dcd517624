#pragma once

#include "calc/date_recognizer.h"

#include <string_view>

// What people of a language type that no platform's data writes: Japanese
// and Chinese input methods put "・" between a date's numbers ("２００４・３・１５").
// `language` is the locale's, as ISO 639 names it ("ja").
inline void addTypedForms(calc::locale_vocabulary &vocabulary, std::string_view language)
{
    if (language == "ja" || language == "zh")
        vocabulary.formats.push_back("yyyy・M・d");
}
