#include "locale_dates/locale_forms_win32.h"

#include "locale_dates/locale_forms_table_win32.h"
#include "locale_dates/locale_table_win32.h"
#include "locale_dates/lower_case_win32.h"
#include "locale_dates/unicode_win32.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The forms of one of the table's lists, as its '|' separates them.
std::vector<std::string> listed(std::string_view forms)
{
    std::vector<std::string> found;
    while (!forms.empty()) {
        const auto end = std::min(forms.find('|'), forms.size());
        found.emplace_back(forms.substr(0, end));
        forms.remove_prefix(std::min(end + 1, forms.size()));
    }
    return found;
}

} // namespace

void addLocaleForms(calc::locale_vocabulary &vocabulary)
{
    const locale_forms *row = userLocaleRow(locale_forms_table);
    if (!row)
        return;
    for (auto &form : listed(row->formats))
        vocabulary.formats.push_back(std::move(form));
    // The first decides how digits without a year are read: the table's day
    // and month in digits, as the language writes them, before Windows' own
    // (LOCALE_SMONTHDAY), which mostly names the month and may put it
    // elsewhere ("M月d日" where Hong Kong writes "d/M"); but after it where ICU
    // has no forms of the language and the table gives the root's ("MM-dd").
    const auto withoutYear = listed(row->formats_without_year);
    auto &to = vocabulary.formats_without_year;
    to.insert(*row->locale ? to.begin() : to.end(), withoutYear.begin(), withoutYear.end());
    for (auto &form : listed(row->time_formats))
        vocabulary.time_formats.push_back(std::move(form));
    // The words between the date and the time, and after it ("{1} 'um' {0}"); or
    // before the time written first, and between it and the date ("'lúc' {0} {1}").
    for (const std::string_view join : listed(row->joins)) {
        const auto time = join.find("{0}"), date = join.find("{1}");
        if (date < time)
            vocabulary.time_joins.emplace_back(join.substr(date + 3, time - date - 3), join.substr(time + 3));
        else
            vocabulary.time_first_joins.emplace_back(join.substr(0, time), join.substr(time + 3, date - time - 3));
    }
    if (*row->first_day)
        vocabulary.day_ordinals.emplace_back(lowerCasedForDates(utf16(row->first_day)), 1);
}
