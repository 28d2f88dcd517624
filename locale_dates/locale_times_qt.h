#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds the dates and times of day the locale writes, as ICU tells it: its date
// and time formats, the words that join a date to its time, its day's periods
// and its names for UTC.
void addLocaleTimes(calc::locale_vocabulary &vocabulary, const QLocale &locale);
