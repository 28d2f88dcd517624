#include "locale_dates/relative_days_win32.h"

#include "locale_dates/lower_case_win32.h"
#include "locale_dates/relative_days_table_win32.h"
#include "locale_dates/unicode_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

// By the user's locale name, or the longest start of it the table holds
// ("sr-Latn-RS", "sr-Latn", "sr").
void addRelativeDays(calc::locale_vocabulary &vocabulary)
{
    wchar_t user[LOCALE_NAME_MAX_LENGTH]{};
    GetUserDefaultLocaleName(user, LOCALE_NAME_MAX_LENGTH);
    std::string name;
    for (const wchar_t *c = user; *c; ++c)
        name += static_cast<char>(*c); // locale names are ASCII
    const auto before = [](const relative_day_words &row, const std::string &locale) {
        return std::strcmp(row.locale, locale.c_str()) < 0;
    };
    for (;;) {
        const auto row = std::lower_bound(std::begin(relative_days), std::end(relative_days), name, before);
        if (row != std::end(relative_days) && row->locale == name) {
            constexpr int offsets[] = {-2, -1, 0, 1, 2, 0}; // in the order of relative_day_words::words
            for (std::size_t i = 0; i < row->words.size(); ++i)
                if (*row->words[i])
                    vocabulary.relative_days.emplace_back(lowerCasedForDates(utf16(row->words[i])), offsets[i]);
            return;
        }
        const auto cut = name.find_last_of("-_");
        if (cut == std::string::npos)
            return;
        name.resize(cut);
    }
}
