#include "locale_dates/locale_vocabulary_win32.h"

#include "locale_dates/locale_forms_win32.h"
#include "locale_dates/lower_case_win32.h"
#include "locale_dates/nls_dates_win32.h"
#include "locale_dates/relative_days_win32.h"
#include "locale_dates/typed_forms.h"
#include "locale_dates/unicode_win32.h"

#include <string_view>

calc::locale_vocabulary localeVocabulary()
{
    calc::locale_vocabulary dates;
    addNlsDates(dates);
    addLocaleForms(dates);
    addRelativeDays(dates);
    addTypedForms(dates, userLanguage());
    calc::lower_picture_words(dates, [](std::string_view words) { return lowerCasedForDates(utf16(words)); });
    return dates;
}
