#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds what Qt's locale data tells of the locale's Gregorian dates: its short,
// long and narrow formats, and its month and weekday names.
void addQLocaleDates(calc::locale_vocabulary &vocabulary, const QLocale &locale);
