#include "locale_dates/lower_case_win32.h"

#include "locale_dates/unicode_win32.h"

#include <windows.h>

std::string lowerCasedForDates(std::wstring_view text)
{
    // Linguistic casing: Turkish "EKİM" is "ekim".
    const auto lower = textOfCall<std::wstring>([text](wchar_t *out, int size) {
        return LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, text.data(),
                             static_cast<int>(text.size()), out, size, nullptr, nullptr, 0);
    });
    // The compatibility decomposition makes full-width forms plain ("２００４／３／１５").
    return utf8(textOfCall<std::wstring>([&lower](wchar_t *out, int size) {
        return NormalizeString(NormalizationKD, lower.data(), static_cast<int>(lower.size()), out, size);
    }));
}
