#pragma once

#include "calc/date_text.h"

#include <string>
#include <string_view>

// How the user's locale writes dates, from Windows' own locale data: its
// formats and its month and weekday names.
calc::locale_dates localeDates();

// A text as the recognizer compares it with the locale's names: in the
// locale's own lower case and decomposed, in UTF-8.
std::string foldedForDates(std::wstring_view text);
