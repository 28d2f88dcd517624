#pragma once

#include "ui/run_time_win32.h"

#include <windows.h>

// Registers one of the program's window classes, with the program's icon
// (app/orvandel_win32.rc.in) and the arrow cursor.
inline void registerWindowClass(HINSTANCE instance, const wchar_t *name, WNDPROC procedure,
                                HBRUSH background = nullptr)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = checked(LoadIconW(instance, L"IDI_ICON1"), "LoadIcon");
    windowClass.hCursor = checked(LoadCursorW(nullptr, IDC_ARROW), "LoadCursor");
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    checked(RegisterClassExW(&windowClass), "RegisterClassEx");
}
