#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds the locale's words for the days around today and for now, as CLDR's
// relative day names in ICU's data have them: only the words it has, never a
// phrase with a number ("in 2 days"). Read from ICU's data directly: its
// relative date formatter brings number formats and plural rules with it,
// some 2 MiB of memory the window would hold for six words.
void addRelativeDays(calc::locale_vocabulary &vocabulary, const QLocale &locale);
