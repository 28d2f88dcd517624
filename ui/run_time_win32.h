#pragma once

#include "locale_dates/unicode_win32.h"

#include <windows.h>

#include <string>
#include <utility>

// How the program ends: with the last of its windows, however that closes, and
// at the first call on a window or a control that fails, once it has reported it.
namespace run_time {

// The application's title: the caption of the report, and of the quit question,
// which is given none of its own. The main window sets it before any call is made.
inline const char *title = "";

inline int openWindows = 0;

// Every window calls these from its WM_CREATE and its WM_DESTROY.
inline void windowOpened()
{
    ++openWindows;
}

inline void windowClosed()
{
    if (--openWindows == 0)
        PostQuitMessage(0);
}

// Reports the operation that failed and Windows' own words for why, under the
// application's title, then ends the program. The report's box lets the windows
// repaint meanwhile: a failure there is not reported again, and its call
// returns as it failed.
inline void fail(const char *operation, DWORD error)
{
    static bool reporting = false;
    if (std::exchange(reporting, true))
        return;
    wchar_t reason[512]{};
    if (error)
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                       nullptr, error, 0, reason, static_cast<DWORD>(std::size(reason)), nullptr);
    MessageBoxW(nullptr, (utf16(operation) + L" failed.\n\n" + reason).c_str(), utf16(title).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(1);
}

} // namespace run_time

// The result of a call that answers zero, null or FALSE when it fails.
template <typename Result>
Result checked(Result result, const char *operation)
{
    if (!result)
        run_time::fail(operation, GetLastError());
    return result;
}

// The result of a call for which zero is a success too (an empty text, no
// previous focus): it failed if it set the last error, cleared before it.
// `call` makes that call and nothing else, which might set the error too.
template <typename Call>
auto checkedCall(const char *operation, Call call)
{
    SetLastError(0);
    const auto result = call();
    checked(result || GetLastError() == 0, operation);
    return result;
}
