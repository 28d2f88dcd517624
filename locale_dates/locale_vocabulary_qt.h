#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// How the locale writes dates, from every source the platform has: Qt's,
// ICU's and the C library's formats, names, calendars, times and words.
calc::locale_vocabulary localeVocabulary(const QLocale &locale);
