#pragma once

#include "ui/run_time_win32.h"
#include "ui/twips.h"
#include "ui/work_area.h"

#include <windows.h>

// The outer edges of a window of that style, its frame's top-left corner at
// `corner`, whose client area is `width` by `height` twips at `dpi`, grown with the text.
inline screen_rect designedFrame(POINT corner, int width, int height, DWORD style, DWORD exStyle, UINT dpi,
                                 text_size text = {})
{
    RECT frame{0, 0, pixels(width, static_cast<int>(dpi), text), pixels(height, static_cast<int>(dpi), text)};
    checked(AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi), "AdjustWindowRectExForDpi");
    return {corner.x, corner.y, corner.x + frame.right - frame.left, corner.y + frame.bottom - frame.top};
}

inline screen_rect workArea(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    checked(GetMonitorInfoW(monitor, &info), "GetMonitorInfo");
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

// Moves and sizes the window to `frame`, fitted to the work area of the monitor that holds most of it.
inline void placeFitted(HWND window, screen_rect frame)
{
    const RECT wanted{frame.left, frame.top, frame.right, frame.bottom};
    const screen_rect placed = fitted(frame, workArea(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST)));
    checked(SetWindowPos(window, nullptr, placed.left, placed.top, placed.width(), placed.height(),
                         SWP_NOZORDER | SWP_NOACTIVATE),
            "SetWindowPos");
}
