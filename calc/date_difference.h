#pragma once

#include "calc/civil.h"

#include <cstdint>
#include <string>

namespace calc {

struct differences {
    std::int32_t days;  // second minus first
    std::int32_t weeks; // days / 7, truncated toward zero
    double months;      // |dm + 12 dy + dd / 30|, fields taken first minus second
    double years;       // |dy + dm / 12 + dd / 365|
};

// Preconditions: both dates are valid and within years 100 to 9999.
differences date_difference(civil_date first, civil_date second);

// The four figures as the result boxes show them, in plain decimal.
struct difference_texts {
    std::string days;
    std::string weeks;
    std::string months;
    std::string years;
};

difference_texts format_differences(const differences &d);

} // namespace calc
