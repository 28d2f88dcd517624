#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds the ordinals the locale writes of the days of a month ("1er", "2e" in
// French), as the rules for numbers in ICU's data spell them with digits
// (its digits-ordinal): where they add more than a full stop to the number.
// Read from the data: ICU's number formatter would bring number formats at
// start for some thirty words.
void addDayOrdinals(calc::locale_vocabulary &vocabulary, const QLocale &locale);
