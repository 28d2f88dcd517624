#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds what the locale's calendars write, as ICU tells it: its own calendar,
// that calendar's formats and months' names, and the eras of every calendar
// the locale commonly uses. Qt tells the Gregorian calendar's.
void addLocaleCalendars(calc::locale_vocabulary &vocabulary, const QLocale &locale);
