#pragma once

#include "calc/date_text.h"

class QLocale;

// How the locale writes a date in digits, read off its short date format.
calc::date_order localeDateOrder(const QLocale &locale);
