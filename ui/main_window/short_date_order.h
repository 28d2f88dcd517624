#pragma once

#include "calc/date_text.h"

#include <string_view>

// How a locale writes a date in digits, read off its short date format, in the
// letters both Qt and Windows use: d for the day, M for the month, y for the year.
calc::date_order shortDateOrder(std::string_view format);
