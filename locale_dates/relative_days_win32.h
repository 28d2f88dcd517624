#pragma once

#include "calc/date_recognizer.h"

// Adds the words of the user's language for the days around today and for
// now, which Windows lacks, from the table made of ICU's
// (relative_days_table_win32.h).
void addRelativeDays(calc::locale_vocabulary &vocabulary);
