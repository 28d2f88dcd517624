#include "locale_dates/locale_forms_win32.h"

#include "locale_dates/locale_forms_table_win32.h"
#include "locale_dates/locale_table_win32.h"
#include "locale_dates/lower_case_win32.h"
#include "locale_dates/unicode_win32.h"

#include "calc/format_pictures.h"

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

// Whether a picture writes the day before the month, in digits or by name.
bool dayFirst(std::string_view picture)
{
    const auto p = calc::pattern_of(picture);
    const auto at = [&p](auto is) { return std::find_if(p.begin(), p.end(), is) - p.begin(); };
    return at([](const calc::element &e) { return e.what == calc::part::day; })
         < at([](const calc::element &e) { return e.what == calc::part::month || e.what == calc::part::month_name; });
}

} // namespace

void addLocaleForms(calc::locale_vocabulary &vocabulary)
{
    const locale_forms *row = userLocaleRow(locale_forms_table);
    if (!row)
        return;
    for (auto &form : listed(row->formats))
        vocabulary.formats.push_back(std::move(form));
    // Windows' own day and month (LOCALE_SMONTHDAY), where it is already
    // there, names the order digits without a year are read in; the table's
    // first form, in digits, goes before it where it writes that order too,
    // which it states plainly, and after it where it does not.
    auto &withoutYear = vocabulary.formats_without_year;
    const auto windows = withoutYear.size();
    for (auto &form : listed(row->formats_without_year))
        withoutYear.push_back(std::move(form));
    if (windows > 0 && windows < withoutYear.size() && dayFirst(withoutYear.front()) == dayFirst(withoutYear[windows]))
        std::rotate(withoutYear.begin(), withoutYear.begin() + static_cast<std::ptrdiff_t>(windows),
                    withoutYear.begin() + static_cast<std::ptrdiff_t>(windows) + 1);
    for (auto &form : listed(row->time_formats))
        vocabulary.time_formats.push_back(std::move(form));
    // The words before the time ("'lúc' {0} {1}"), and between it and the date.
    for (const std::string_view join : listed(row->time_first_joins)) {
        const auto time = join.find("{0}"), date = join.find("{1}");
        vocabulary.time_first_joins.emplace_back(join.substr(0, time), join.substr(time + 3, date - time - 3));
    }
    if (*row->first_day)
        vocabulary.day_ordinals.emplace_back(lowerCasedForDates(utf16(row->first_day)), 1);
}
