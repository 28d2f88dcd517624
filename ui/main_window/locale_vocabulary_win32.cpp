#include "ui/main_window/locale_vocabulary_win32.h"

#include "ui/unicode_win32.h"

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

std::wstring localeInfo(LCTYPE what)
{
    wchar_t text[128]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, text, static_cast<int>(std::size(text)));
    return text;
}

// A month's name as it stands inside a date, which some languages inflect
// ("marca", not "marzec"): Windows writes it so only beside a day.
std::wstring monthInDate(int month, const wchar_t *picture)
{
    SYSTEMTIME day{};
    day.wYear = 2004;
    day.wMonth = static_cast<WORD>(month);
    day.wDay = 1;
    wchar_t text[128]{};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &day, picture, text, static_cast<int>(std::size(text)), nullptr);
    // "1 marca": the day and the space before the name.
    const std::wstring_view written(text);
    return std::wstring(written.substr(std::min<std::size_t>(2, written.size())));
}

std::wstring decomposed(std::wstring_view text)
{
    return written<std::wstring>([text](wchar_t *out, int size) {
        return NormalizeString(NormalizationD, text.data(), static_cast<int>(text.size()), out, size);
    });
}

} // namespace

std::string foldedForDates(std::wstring_view text)
{
    // Linguistic casing: Turkish "EKİM" is "ekim".
    const auto lower = written<std::wstring>([text](wchar_t *out, int size) {
        return LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, text.data(),
                             static_cast<int>(text.size()), out, size, nullptr, nullptr, 0);
    });
    return utf8(decomposed(lower));
}

calc::locale_vocabulary localeVocabulary()
{
    calc::locale_vocabulary dates;
    // The short format first: it decides how digits alone are read.
    for (const LCTYPE format : {LCTYPE{LOCALE_SSHORTDATE}, LCTYPE{LOCALE_SLONGDATE}})
        dates.formats.push_back(utf8(decomposed(localeInfo(format))));
    for (std::size_t i = 0; i < dates.months.size(); ++i) {
        const auto n = static_cast<LCTYPE>(i);
        const int month = static_cast<int>(i) + 1;
        for (const auto &name : {localeInfo(LOCALE_SMONTHNAME1 + n), localeInfo(LOCALE_SABBREVMONTHNAME1 + n),
                                 monthInDate(month, L"d MMMM"), monthInDate(month, L"d MMM")})
            dates.months[i].push_back(foldedForDates(name));
    }
    // Windows counts from Monday; calc from Sunday.
    for (std::size_t i = 0; i < dates.weekdays.size(); ++i) {
        const auto n = static_cast<LCTYPE>((i + 6) % 7);
        for (const auto &name : {localeInfo(LOCALE_SDAYNAME1 + n), localeInfo(LOCALE_SABBREVDAYNAME1 + n)})
            dates.weekdays[i].push_back(foldedForDates(name));
    }
    return dates;
}

date_entry localeDateEntry()
{
    // Windows' wide characters are UTF-16.
    return {localeVocabulary(), [](std::u16string_view text) {
                return foldedForDates({reinterpret_cast<const wchar_t *>(text.data()), text.size()});
            }};
}
