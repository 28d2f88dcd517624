#pragma once

#include "calc/date_recognizer.h"

#include <string>

// Adds what Windows' own locale data (NLS) tells of how the user's locale
// writes dates: its formats, with and without the year, and times, its month
// and weekday names, and every calendar it offers with their formats and eras.
void addNlsDates(calc::locale_vocabulary &vocabulary);

// The user's language, as ISO 639 names it ("ja").
std::string userLanguage();
