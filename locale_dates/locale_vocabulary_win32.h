#pragma once

#include "calc/date_recognizer.h"

// How the user's locale writes dates: Windows' own locale data, and the forms
// and the words for the days around today that it lacks.
calc::locale_vocabulary localeVocabulary();
