#pragma once

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

// The row of a table made of ICU's data for the user's locale, the rows in
// byte order of their `locale`: by the locale's name, or the longest start of
// it the table holds ("sr-Latn-RS", "sr-Latn", "sr", then "", ICU's root);
// null where it holds none.
template <typename Row, std::size_t rows>
const Row *userLocaleRow(const Row (&table)[rows])
{
    wchar_t user[LOCALE_NAME_MAX_LENGTH]{};
    GetUserDefaultLocaleName(user, LOCALE_NAME_MAX_LENGTH);
    std::string name;
    for (const wchar_t *c = user; *c; ++c)
        name += static_cast<char>(*c); // locale names are ASCII
    const auto before = [](const Row &row, const std::string &locale) {
        return std::strcmp(row.locale, locale.c_str()) < 0;
    };
    for (;;) {
        const auto row = std::lower_bound(std::begin(table), std::end(table), name, before);
        if (row != std::end(table) && row->locale == name)
            return row;
        if (name.empty())
            return nullptr;
        const auto cut = name.find_last_of("-_");
        name.resize(cut == std::string::npos ? 0 : cut);
    }
}
