#include "app/application.h"
#include "ui/main_window/velmarin_win32.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    // For Direct Annotation, through which the windows tell screen readers more.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    velmarin::open(instance, show, application::title);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Lets Tab and Shift+Tab move between the boxes, as in a dialog.
        if (IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return static_cast<int>(message.wParam);
}
