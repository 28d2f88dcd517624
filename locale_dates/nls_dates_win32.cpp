#include "locale_dates/nls_dates_win32.h"

#include "locale_dates/lower_case_win32.h"
#include "locale_dates/unicode_win32.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <vector>

namespace {

using calc::calendar;

constexpr CALID calPersian = 22; // CAL_PERSIAN, which MinGW's headers lack

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
    const std::wstring_view inDate(text);
    return std::wstring(inDate.substr(std::min<std::size_t>(2, inDate.size())));
}

std::wstring calendarInfo(CALID id, CALTYPE what)
{
    wchar_t text[128]{};
    GetCalendarInfoEx(LOCALE_NAME_USER_DEFAULT, id, nullptr, what, text, static_cast<int>(std::size(text)), nullptr);
    return text;
}

using enumeration = std::vector<std::pair<CALID, std::wstring>>;

BOOL CALLBACK collect(LPWSTR text, CALID id, LPWSTR, LPARAM into)
{
    reinterpret_cast<enumeration *>(into)->emplace_back(id, text);
    return TRUE;
}

// Each value of a kind that Windows lists for a calendar of the user's
// locale, or for each of its calendars (ENUM_ALL_CALENDARS), in its order.
enumeration enumerated(CALID id, CALTYPE what)
{
    enumeration found;
    EnumCalendarInfoExEx(collect, LOCALE_NAME_USER_DEFAULT, id, nullptr, what, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The program's calendars by Windows' numbers for them; the Japanese one is
// an era's calendar each, told apart by the years they begin in.
std::vector<calendar> calendarsNumbered(CALID id)
{
    switch (id) {
    case CAL_GREGORIAN:
    case CAL_GREGORIAN_US:
    case CAL_GREGORIAN_ME_FRENCH:
    case CAL_GREGORIAN_ARABIC:
    case CAL_GREGORIAN_XLIT_ENGLISH:
    case CAL_GREGORIAN_XLIT_FRENCH: return {calendar::gregorian};
    case CAL_THAI: return {calendar::buddhist};
    case CAL_TAIWAN: return {calendar::roc};
    case CAL_JAPAN: return {calendar::meiji, calendar::taisho, calendar::showa, calendar::heisei, calendar::reiwa};
    case calPersian: return {calendar::persian};
    case CAL_UMALQURA: return {calendar::umalqura};
    default: return {};
    }
}

// The names of a calendar's eras. Windows lists an era's year offset beside
// its name: for the Japanese eras the Gregorian year it began in.
void addEras(calc::locale_vocabulary &dates, CALID id, const std::vector<calendar> &calendars)
{
    const auto offsets = enumerated(id, CAL_IYEAROFFSETRANGE);
    for (const CALTYPE what : {CALTYPE{CAL_SERASTRING}, CALTYPE{CAL_SABBREVERASTRING}}) {
        const auto names = enumerated(id, what);
        for (std::size_t i = 0; i < names.size(); ++i) {
            auto era = calendars.front();
            if (calendars.size() > 1 && i < offsets.size()) {
                const int year = static_cast<int>(std::wcstol(offsets[i].second.c_str(), nullptr, 10));
                const auto begins = [year](calendar c) { return calc::civil_from_days(calc::first_day(c)).year == year; };
                const auto found = std::find_if(calendars.begin(), calendars.end(), begins);
                if (found == calendars.end())
                    continue;
                era = *found;
            }
            dates.eras.emplace_back(lowerCasedForDates(names[i].second), era);
        }
    }
}

} // namespace

void addNlsDates(calc::locale_vocabulary &dates)
{
    CALID own = CAL_GREGORIAN;
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_ICALENDARTYPE | LOCALE_RETURN_NUMBER,
                    reinterpret_cast<LPWSTR>(&own), sizeof own / sizeof(wchar_t));
    if (const auto calendars = calendarsNumbered(own); calendars.size() == 1)
        dates.own_calendar = calendars.front();
    const bool ownMonths = calc::has_own_months(dates.own_calendar);

    // The short format of the user's calendar first: it decides how digits alone are read.
    for (const LCTYPE format : {LCTYPE{LOCALE_SSHORTDATE}, LCTYPE{LOCALE_SLONGDATE}})
        dates.formats.push_back(utf8(localeInfo(format)));
    // A day and month without their year ("d MMMM"), whose order digits without a year may follow.
    if (const auto monthDay = localeInfo(LOCALE_SMONTHDAY); !monthDay.empty())
        dates.formats_without_year.push_back(utf8(monthDay));
    // Windows writes a time after a date with a space between them.
    for (const LCTYPE format : {LCTYPE{LOCALE_STIMEFORMAT}, LCTYPE{LOCALE_SSHORTTIME}})
        dates.time_formats.push_back(utf8(localeInfo(format)));
    for (const LCTYPE period : {LCTYPE{LOCALE_S1159}, LCTYPE{LOCALE_S2359}})
        dates.day_periods.push_back(lowerCasedForDates(localeInfo(period)));
    for (std::size_t i = 0; i < dates.months.size(); ++i) {
        const auto n = static_cast<LCTYPE>(i);
        const int month = static_cast<int>(i) + 1;
        // A calendar of its own writes its own months into dates, and Windows tells the Gregorian ones apart.
        const auto names = ownMonths ? std::vector{calendarInfo(CAL_GREGORIAN, CAL_SMONTHNAME1 + n),
                                                   calendarInfo(CAL_GREGORIAN, CAL_SABBREVMONTHNAME1 + n)}
                                     : std::vector{localeInfo(LOCALE_SMONTHNAME1 + n), localeInfo(LOCALE_SABBREVMONTHNAME1 + n),
                                                   monthInDate(month, L"d MMMM"), monthInDate(month, L"d MMM")};
        for (const auto &name : names)
            dates.months[i].push_back(lowerCasedForDates(name));
        if (ownMonths)
            for (const auto &name : {calendarInfo(own, CAL_SMONTHNAME1 + n), calendarInfo(own, CAL_SABBREVMONTHNAME1 + n)})
                dates.own_months[i].push_back(lowerCasedForDates(name));
    }
    // Windows counts from Monday; calc from Sunday.
    for (std::size_t i = 0; i < dates.weekdays.size(); ++i) {
        const auto n = static_cast<LCTYPE>((i + 6) % 7);
        for (const auto &name : {localeInfo(LOCALE_SDAYNAME1 + n), localeInfo(LOCALE_SABBREVDAYNAME1 + n)})
            dates.weekdays[i].push_back(lowerCasedForDates(name));
    }
    // Every calendar the locale offers: its formats, and the eras that name it.
    for (const auto &[id, ignored] : enumerated(ENUM_ALL_CALENDARS, CAL_ICALINTVALUE)) {
        const auto calendars = calendarsNumbered(id);
        if (calendars.empty())
            continue;
        for (const CALTYPE format : {CALTYPE{CAL_SSHORTDATE}, CALTYPE{CAL_SLONGDATE}})
            dates.formats.push_back(utf8(calendarInfo(id, format)));
        addEras(dates, id, calendars);
    }
}

std::string userLanguage()
{
    return utf8(localeInfo(LOCALE_SISO639LANGNAME));
}
