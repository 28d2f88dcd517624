#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds the locale's words for the days around today and for now, as CLDR's
// relative day names in ICU's data have them: only the words it has, never a
// phrase with a number ("in 2 days").
void addRelativeDays(calc::locale_vocabulary &vocabulary, const QLocale &locale);
