#include "ui/main_window/short_date_order.h"

calc::date_order shortDateOrder(std::string_view format)
{
    // The C locale writes the month as a name; it counts as U.S. English.
    if (format.find("MMM") != std::string_view::npos)
        return calc::date_order::month_day_year;
    const auto year = format.find('y');
    const auto month = format.find('M');
    const auto day = format.find('d');
    if (year < month && year < day)
        return calc::date_order::year_month_day;
    return day < month ? calc::date_order::day_month_year : calc::date_order::month_day_year;
}
