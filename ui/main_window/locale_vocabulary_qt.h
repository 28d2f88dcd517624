#pragma once

#include "calc/date_recognizer.h"
#include "ui/main_window/date_entry.h"

#include <string>

class QLocale;
class QString;

// How the locale writes dates: its formats and its month and weekday names.
calc::locale_vocabulary localeVocabulary(const QLocale &locale);

// A text as calc is given the locale's names, to fold: in the locale's own
// lower case ("EKİM" is "ekim" in Turkish) and decomposed.
std::string lowerCasedForDates(const QString &text, const QLocale &locale);

// The date boxes, read as the locale writes dates.
date_entry localeDateEntry(const QLocale &locale);
