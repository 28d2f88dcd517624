#pragma once

#include "calc/date_recognizer.h"
#include "ui/main_window/date_entry.h"

#include <string>
#include <string_view>

// How the user's locale writes dates, from Windows' own locale data: its
// formats and its month and weekday names.
calc::locale_vocabulary localeVocabulary();

// A text as calc is given the locale's names, to fold: in the locale's own
// lower case and decomposed, in UTF-8.
std::string lowerCasedForDates(std::wstring_view text);

// The date boxes, read as the user's locale writes dates.
date_entry localeDateEntry();
