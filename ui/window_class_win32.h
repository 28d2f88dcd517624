#pragma once

#include <windows.h>

// Registers one of the program's window classes, with the program's icon
// (app/orvandel_win32.rc) and the arrow cursor.
inline void registerWindowClass(HINSTANCE instance, const wchar_t *name, WNDPROC procedure,
                                HBRUSH background = nullptr)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"IDI_ICON1");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}
