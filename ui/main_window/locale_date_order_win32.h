#pragma once

#include "calc/date_text.h"

// How the user's locale writes a date in digits, from Windows' own locale data.
calc::date_order localeDateOrder();
