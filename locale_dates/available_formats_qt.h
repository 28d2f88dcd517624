#pragma once

#include "calc/date_recognizer.h"

class QLocale;

// Adds the forms the locale writes for some of CLDR's skeletons, as ICU's data
// has them (its availableFormats): dates with a weekday, with their year and
// without it, a day and month alone, the day and month first, and the hour
// with its words ("HH 'Uhr'"). Read from the data: ICU's pattern generator
// would build every skeleton's form at start for these few.
void addAvailableFormats(calc::locale_vocabulary &vocabulary, const QLocale &locale);
