#include "ui/main_window/locale_date_order.h"

#include <QLocale>

calc::date_order localeDateOrder(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    // The C locale writes the month as a name; it counts as U.S. English.
    if (format.contains(QLatin1String("MMM")))
        return calc::date_order::month_day_year;
    const auto year = format.indexOf(QLatin1Char('y'));
    const auto month = format.indexOf(QLatin1Char('M'));
    const auto day = format.indexOf(QLatin1Char('d'));
    if (year < month && year < day)
        return calc::date_order::year_month_day;
    return day < month ? calc::date_order::day_month_year : calc::date_order::month_day_year;
}
