// The dates people of each language type, read as the Windows program's date
// boxes read them, under the user's locale: scripts/test-windows runs it once
// a locale, which Wine takes from LC_ALL, and only that locale's rows count.
// Languages the driver has no pass in, beyond the forms Windows writes.

#include "locale_dates/locale_vocabulary_win32.h"
#include "locale_dates/lower_case_win32.h"
#include "ui/main_window/date_entry.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string_view>

namespace {

struct row {
    const wchar_t *locale, *text;
    const char *date; // as ISO writes it, or nullptr where the text is no date
};

// Today, for the texts without their year.
constexpr calc::civil_date today{2026, 12, 8};

const row rows[] = {
    {L"fr-FR", L"15/03/2004 \u00e0 14h30", "2004-03-15"},
    {L"fr-FR", L"lundi 15 mars 2004, 14h", "2004-03-15"},
    {L"fr-FR", L"le 15 mars 2004", "2004-03-15"},
    {L"fr-FR", L"samedi 1er mars 2025", "2025-03-01"},
    {L"fr-FR", L"dimanche 1er mars 2025", nullptr},
    {L"fr-FR", L"le 32 mars 2004", nullptr},
    {L"es-ES", L"mi\u00e9, 7 ene", "2026-01-07"},
    {L"es-ES", L"jue, 7 ene", nullptr},
    {L"es-ES", L"15/03/2004 14:30h", "2004-03-15"},
    {L"es-ES", L"el 15 de marzo de 2004", "2004-03-15"},
    {L"it-IT", L"luned\u00ec 15 marzo 2004 ore 14:30", "2004-03-15"},
    {L"it-IT", L"il 15 marzo 2004", "2004-03-15"},
    {L"pl-PL", L"15.03.2004 r.", "2004-03-15"},
    {L"pl-PL", L"15 marca 2004 r. o godz. 14:30", "2004-03-15"},
    {L"nl-NL", L"maandag 15 maart 2004 om 14.30 uur", "2004-03-15"},
    {L"ru-RU", L"\u0441\u0440, 7.01", "2026-01-07"},
    {L"ru-RU", L"\u0447\u0442, 7.01", nullptr},
    {L"ru-RU", L"25 \u0434\u0435\u043a\u0430\u0431\u0440\u044f 2026 \u0433\u043e\u0434\u0430", "2026-12-25"},
    {L"ja-JP", L"2026\u5e7412\u670825\u65e5(\u91d1)", "2026-12-25"},
    {L"ja-JP", L"12\u670825\u65e5(\u91d1)", "2026-12-25"},
    {L"ja-JP", L"1\u67087\u65e5(\u6728)", nullptr},
    {L"ko-KR", L"1\uc6d4 7\uc77c (\uc218)", "2026-01-07"},
    {L"vi-VN", L"l\u00fac 09:03 Th\u1ee9 T\u01b0, 9 th\u00e1ng 4, 1958", "1958-04-09"},
    {L"vi-VN", L"l\u00fac 09:03 Th\u1ee9 N\u0103m, 9 th\u00e1ng 4, 1958", nullptr},
    {L"lv-LV", L"07.01.", "2026-01-07"},
    {L"ar-EG", L"\u063a\u062f\u0627", "2026-12-09"},
    {L"ar-EG", L"\u0627\u0645\u0633", "2026-12-07"},
    {L"ar-EG", L"\u0627\u0644\u062c\u0645\u0639\u0629 \u0662\u0665 \u062f\u064a\u0633\u0645\u0628\u0631 \u0662\u0660\u0662\u0666",
     "2026-12-25"},
};

std::u16string_view utf16(std::wstring_view text)
{
    return {reinterpret_cast<const char16_t *>(text.data()), text.size()};
}

} // namespace

int wmain()
{
    wchar_t user[LOCALE_NAME_MAX_LENGTH]{};
    GetUserDefaultLocaleName(user, LOCALE_NAME_MAX_LENGTH);
    const date_entry dates(localeVocabulary(), [](std::u16string_view text) {
        return lowerCasedForDates({reinterpret_cast<const wchar_t *>(text.data()), text.size()});
    });
    int passed = 0, failed = 0;
    for (std::size_t n = 0; n < std::size(rows); ++n) {
        const auto &[locale, text, date] = rows[n];
        if (std::wcscmp(locale, user) != 0)
            continue;
        // The text against its date in ISO's form: 0 days apart where it reads as that date.
        std::wstring iso;
        for (const char *c = date ? date : "2004-01-01"; *c; ++c)
            iso += static_cast<wchar_t>(*c);
        const auto results = dates.results(utf16(text), utf16(iso), today);
        const bool read = results && results->days == "0";
        if (date ? read : !results) {
            ++passed;
        } else {
            ++failed;
            if (!results)
                std::printf("FAIL: row %u in %ls: no date, not %s\n", static_cast<unsigned>(n + 1), user, date);
            else
                std::printf("FAIL: row %u in %ls: read %s days from %s\n", static_cast<unsigned>(n + 1), user,
                            results->days.c_str(), date ? date : "2004-01-01, where it is no date");
        }
    }
    std::printf("%ls: %d passed, %d failed\n", user, passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
