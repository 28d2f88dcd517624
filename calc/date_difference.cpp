#include "calc/date_difference.h"

#include <cmath>
#include <cstdlib>

namespace calc {

differences date_difference(civil_date first, civil_date second)
{
    const int dd = first.day - second.day;     // [-30, 30]
    const int dm = first.month - second.month; // [-11, 11]
    const int dy = first.year - second.year;   // [-9899, 9899]
    const int days = days_from_civil(second.year, second.month, second.day)
                   - days_from_civil(first.year, first.month, first.day); // [-3615899, 3615899]
    return {
        .days = days,
        .weeks = days / 7,
        .months = std::abs((dm + dy * 12) + dd / 30.0),
        .years = std::abs((dy + dm / 12.0) + dd / 365.0),
    };
}

difference_texts format_differences(const differences &d)
{
    // months and years are at most about 118,800: exact in a long long.
    return {
        .days = std::to_string(std::abs(d.days)),
        .weeks = std::to_string(d.weeks),
        .months = std::to_string(static_cast<long long>(std::floor(d.months))),
        .years = std::to_string(static_cast<long long>(std::floor(d.years))),
    };
}

} // namespace calc
