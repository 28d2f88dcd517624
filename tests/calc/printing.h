#pragma once

// How the tables' rows and dates are named in test listings and failures.

#include "calc/calendars.h"
#include "calc/civil.h"

#include <ostream>
#include <string>

namespace calc {
// Failures then show the date, not its bytes.
inline void PrintTo(const civil_date &d, std::ostream *os)
{
    *os << d.year << '-' << d.month << '-' << d.day;
}
inline void PrintTo(const calendar_date &d, std::ostream *os)
{
    *os << d.year << '-' << d.month << '-' << d.day;
}
} // namespace calc

// Names a parameterised test after its row's name.
std::string row_name(const auto &info)
{
    return info.param.name;
}
