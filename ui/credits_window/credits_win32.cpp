#include "ui/credits_window/credits_win32.h"

#include "locale_dates/unicode_win32.h"
#include "ui/annotation_win32.h"
#include "ui/credits_window/credits_design.h"
#include "ui/run_time_win32.h"
#include "ui/window_class_win32.h"
#include "ui/work_area_win32.h"

namespace credits {
namespace {

constexpr wchar_t className[] = L"credits";
constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR Timer1 = 1;

void endProgram()
{
    PostQuitMessage(0);
}

void Form_Click()
{
    endProgram();
}

void Form_KeyDown()
{
    endProgram();
}

void Timer1_Timer()
{
    endProgram();
}

HBITMAP picture(HWND window)
{
    return reinterpret_cast<HBITMAP>(checked(GetWindowLongPtrW(window, GWLP_USERDATA), "GetWindowLongPtr"));
}

// At its own size from the top-left corner: the window cuts it off, it is never shrunk.
void paint(HWND window)
{
    PAINTSTRUCT paint;
    const HDC target = checked(BeginPaint(window, &paint), "BeginPaint");
    BITMAP size;
    checked(GetObjectW(picture(window), sizeof size, &size), "GetObject");
    const HDC source = checked(CreateCompatibleDC(target), "CreateCompatibleDC");
    const HGDIOBJ previous = checked(SelectObject(source, picture(window)), "SelectObject");
    const int dpi = static_cast<int>(checked(GetDpiForWindow(window), "GetDpiForWindow"));
    checked(SetStretchBltMode(target, HALFTONE), "SetStretchBltMode");
    checked(StretchBlt(target, 0, 0, MulDiv(size.bmWidth, dpi, 96), MulDiv(size.bmHeight, dpi, 96), source, 0, 0,
                       size.bmWidth, size.bmHeight, SRCCOPY),
            "StretchBlt");
    SelectObject(source, previous);
    DeleteDC(source);
    EndPaint(window, &paint);
}

// The window as designed at this DPI, with its frame's top-left corner there.
screen_rect designedFrame(POINT corner, UINT dpi)
{
    return designedFrame(corner, credits_design::client_width, credits_design::client_height, style, 0, dpi);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        run_time::windowOpened();
        const HANDLE loaded =
            checked(LoadImageW(GetModuleHandleW(nullptr), L"CREDITS", IMAGE_BITMAP, 0, 0, 0), "LoadImage");
        checkedCall("SetWindowLongPtr",
                    [=] { return SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(loaded)); });
        checked(SetTimer(window, Timer1, credits_design::timer_interval_ms, nullptr), "SetTimer");
        // The window is the picture, which a screen reader reads as the window takes the focus.
        annotateRole(window, ROLE_SYSTEM_GRAPHIC);
        annotate(window, PROPID_ACC_NAME, credits_design::picture_name);
        annotate(window, PROPID_ACC_DESCRIPTION, credits_design::picture_description);
        return 0;
    }
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_DPICHANGED: {
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        placeFitted(window, designedFrame({suggested.left, suggested.top}, HIWORD(wParam)));
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS; // every key ends the credits; none moves a dialog focus
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
        Form_Click();
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Form_KeyDown();
        return 0;
    case WM_TIMER:
        Timer1_Timer();
        return 0;
    case WM_DESTROY:
        DeleteObject(picture(window));
        run_time::windowClosed();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

void open(HINSTANCE instance, HMONITOR monitor)
{
    registerWindowClass(instance, className, procedure);
    const HWND window = checked(CreateWindowExW(0, className, utf16(credits_design::caption).c_str(), style, 0, 0, 0,
                                                0, nullptr, nullptr, instance, nullptr),
                                "CreateWindowEx");
    // Centred on the monitor, and whole: where the screen is too small, the picture is cut off further.
    const screen_rect frame = designedFrame({0, 0}, checked(GetDpiForWindow(window), "GetDpiForWindow"));
    placeFitted(window, centred(frame.width(), frame.height(), workArea(monitor)));
    ShowWindow(window, SW_SHOW);
}

} // namespace credits
