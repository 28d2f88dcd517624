#include "locale_dates/relative_days_win32.h"

#include "locale_dates/locale_table_win32.h"
#include "locale_dates/lower_case_win32.h"
#include "locale_dates/relative_days_table_win32.h"
#include "locale_dates/unicode_win32.h"

void addRelativeDays(calc::locale_vocabulary &vocabulary)
{
    const relative_day_words *row = userLocaleRow(relative_days);
    if (!row)
        return;
    constexpr int offsets[] = {-2, -1, 0, 1, 2, 0}; // in the order of relative_day_words::words
    for (std::size_t i = 0; i < row->words.size(); ++i)
        if (*row->words[i])
            vocabulary.relative_days.emplace_back(lowerCasedForDates(utf16(row->words[i])), offsets[i]);
}
