#include "ui/main_window/locale_dates_win32.h"

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

std::string utf8(std::wstring_view text)
{
    const int length = static_cast<int>(text.size());
    std::string result(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), static_cast<int>(result.size()),
                        nullptr, nullptr);
    return result;
}

std::wstring decomposed(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    std::wstring result(static_cast<std::size_t>(NormalizeString(NormalizationD, text.data(), length, nullptr, 0)), L'\0');
    const int size = NormalizeString(NormalizationD, text.data(), length, result.data(), static_cast<int>(result.size()));
    result.resize(static_cast<std::size_t>(std::max(size, 0)));
    return result;
}

} // namespace

std::string foldedForDates(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    // Linguistic casing: Turkish "EKİM" is "ekim".
    const DWORD flags = LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING;
    std::wstring lower(static_cast<std::size_t>(
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), length, nullptr, 0, nullptr, nullptr, 0)), L'\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, text.data(), length, lower.data(),
                  static_cast<int>(lower.size()), nullptr, nullptr, 0);
    return utf8(decomposed(lower));
}

calc::locale_dates localeDates()
{
    calc::locale_dates dates;
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
