#include "ui/main_window/locale_date_order.h"

#include "ui/main_window/short_date_order.h"

#include <QLocale>

calc::date_order localeDateOrder(const QLocale &locale)
{
    return shortDateOrder(locale.dateFormat(QLocale::ShortFormat).toStdString());
}
