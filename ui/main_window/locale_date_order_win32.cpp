#include "ui/main_window/locale_date_order_win32.h"

#include "ui/main_window/short_date_order.h"

#include <windows.h>

#include <iterator>
#include <string>

calc::date_order localeDateOrder()
{
    wchar_t format[LOCALE_NAME_MAX_LENGTH * 2]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTDATE, format, std::size(format));
    // Only the ASCII letters d, M and y matter; anything else merely separates them.
    std::string ascii;
    for (const wchar_t *c = format; *c != L'\0'; ++c)
        ascii += *c < 0x80 ? static_cast<char>(*c) : ' ';
    return shortDateOrder(ascii);
}
