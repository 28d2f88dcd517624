#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds how the C library writes the locale's dates and times, as other
// programs on the desktop do with it (the date command's output among them):
// its formats and its names, where it has the locale. For the system's locale,
// the one the program already runs in, as Qt set it from the environment.
void addCLibraryDates(calc::locale_vocabulary &vocabulary, const QLocale &locale, bool system);
