#pragma once

#include "calc/date_recognizer.h"

// Adds the forms of the user's locale that Windows lacks, from the table made
// of ICU's (locale_forms_table_win32.h): dates with a weekday, a day and month
// without their year, the hour with its words, times written before their
// date, and the first of a month as an ordinal.
void addLocaleForms(calc::locale_vocabulary &vocabulary);
