#include "ui/main_window/velmarin_win32.h"

#include "locale_dates/locale_vocabulary_win32.h"
#include "locale_dates/lower_case_win32.h"
#include "locale_dates/unicode_win32.h"
#include "ui/annotation_win32.h"
#include "ui/credits_window/credits_win32.h"
#include "ui/main_window/velmarin_design.h"
#include "ui/run_time_win32.h"
#include "ui/window_class_win32.h"
#include "ui/work_area_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>

namespace {

namespace design = velmarin_design;

constexpr wchar_t className[] = L"velmarin";
constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD exStyle = WS_EX_CONTROLPARENT;

// Windows' wide characters are UTF-16.
std::u16string textOf(HWND control)
{
    const int length = checkedCall("GetWindowTextLength", [=] { return GetWindowTextLengthW(control); });
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    text.resize(static_cast<std::size_t>(checkedCall("GetWindowText", [&] {
        return GetWindowTextW(control, reinterpret_cast<wchar_t *>(text.data()), static_cast<int>(text.size()));
    })));
    return text;
}

// The user's local date, in the system's time zone.
calc::civil_date today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

HWND createControl(HWND window, DWORD extra, const wchar_t *kind, const char *text, DWORD controlStyle)
{
    return checked(CreateWindowExW(extra, kind, utf16(text).c_str(), WS_CHILD | WS_VISIBLE | controlStyle, 0, 0, 0,
                                   0, window, nullptr, nullptr, nullptr),
                   "CreateWindowEx");
}

void place(HWND control, int top, int height, UINT dpi, text_size text)
{
    const auto px = [dpi, text](int twips) { return pixels(twips, static_cast<int>(dpi), text); };
    checked(SetWindowPos(control, nullptr, px(design::left), px(top), px(design::width), px(height),
                         SWP_NOZORDER | SWP_NOACTIVATE),
            "SetWindowPos");
}

// Windows answers the control that had the focus before, or nothing, as when none had it.
void focus(HWND control)
{
    checkedCall("SetFocus", [=] { return SetFocus(control) || GetFocus() == control; });
}

// As Tab selects a box's text, so that typing replaces it; before the focus arrives, as a screen
// reader then reads it.
void selectAll(HWND box)
{
    SendMessageW(box, EM_SETSEL, 0, -1);
}

// Windows' "Make text bigger", in percent, which each program applies to its fonts itself.
int textScaleFactor()
{
    DWORD percent = 0, size = sizeof percent;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Accessibility", L"TextScaleFactor", RRF_RT_REG_DWORD,
                     nullptr, &percent, &size) != ERROR_SUCCESS)
        return 100;
    return std::clamp(static_cast<int>(percent), 100, 225);
}

} // namespace

void velmarin::open(HINSTANCE instance, int show, const char *applicationTitle)
{
    run_time::title = applicationTitle;
    registerWindowClass(instance, className, procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // Sized in WM_CREATE, once the window knows its monitor's DPI.
    const HWND window =
        checked(CreateWindowExW(exStyle, className, utf16(design::caption).c_str(), style, CW_USEDEFAULT,
                                CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr),
                "CreateWindowEx");
    ShowWindow(window, show);
}

velmarin::velmarin(HWND window)
    : window(window)
    , dates(localeVocabulary(), [](std::u16string_view text) {
        // Windows' wide characters are UTF-16.
        return lowerCasedForDates({reinterpret_cast<const wchar_t *>(text.data()), text.size()});
    })
{
}

LRESULT CALLBACK velmarin::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *created = new velmarin(window);
        checkedCall("SetWindowLongPtr",
                    [=] { return SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created)); });
    }
    // Nothing before WM_NCCREATE.
    auto *self = reinterpret_cast<velmarin *>(
        checkedCall("GetWindowLongPtr", [=] { return GetWindowLongPtrW(window, GWLP_USERDATA); }));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        checked(SetWindowLongPtrW(window, GWLP_USERDATA, 0), "SetWindowLongPtr");
        delete self;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT velmarin::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        run_time::windowOpened();
        createControls();
        layOut(checked(GetDpiForWindow(window), "GetDpiForWindow"));
        // Once sized: a box as yet of no width would scroll its prompt out of view to show the caret.
        selectAll(Text[1]);
        return 0;
    case WM_DPICHANGED: {
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        checked(SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE),
                "SetWindowPos");
        layOut(HIWORD(wParam));
        return 0;
    }
    case WM_ACTIVATE:
        // Left to itself, Windows would give the focus to the bare window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focus = GetFocus(); focus && IsChild(window, focus))
                focused = focus;
        } else {
            focus(focused);
        }
        return 0;
    case WM_CLOSE:
        if (Form_Unload())
            checked(DestroyWindow(window), "DestroyWindow");
        return 0;
    case WM_DESTROY:
        DeleteObject(font);
        run_time::windowClosed();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void velmarin::createControls()
{
    for (std::size_t n = 1; n <= design::boxes.size(); ++n) {
        const auto &pair = design::boxes[n - 1];
        // Right before its box, so that Windows names the box after it for screen readers.
        Label[n] = createControl(window, 0, L"STATIC", pair.heading, SS_LEFT | SS_NOPREFIX);
        // Results stay focusable and selectable, so they can be copied and read aloud.
        Text[n] = createControl(window, WS_EX_CLIENTEDGE, L"EDIT", pair.initial,
                                WS_TABSTOP | ES_AUTOHSCROLL | (n > 2 ? ES_READONLY : 0));
    }
    checked(SetWindowSubclass(Text[1], dateBoxProcedure, 1, reinterpret_cast<DWORD_PTR>(this)), "SetWindowSubclass");
    checked(SetWindowSubclass(Text[2], dateBoxProcedure, 2, reinterpret_cast<DWORD_PTR>(this)), "SetWindowSubclass");
    describeDateBoxes(1, std::nullopt);
    focused = Text[1];
}

// Picks the message font, made as large as the user's text size asks, and sizes the window and its
// controls from the twips, grown with that font, keeping it whole on its monitor, for this DPI.
void velmarin::layOut(UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    checked(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi),
            "SystemParametersInfoForDpi");
    LOGFONTW &message = metrics.lfMessageFont;
    message.lfHeight = MulDiv(message.lfHeight, textScaleFactor(), 100);
    const HFONT previous = font;
    font = checked(CreateFontIndirectW(&message), "CreateFontIndirect");
    // Against Windows' standard message font, of 9 points; both as the characters' heights.
    const text_size text{std::abs(message.lfHeight), MulDiv(9, static_cast<int>(dpi), 72)};

    RECT now;
    checked(GetWindowRect(window, &now), "GetWindowRect");
    placeFitted(window, designedFrame({now.left, now.top}, design::client_width, design::client_height, style,
                                      exStyle, dpi, text));

    for (std::size_t n = 1; n <= design::boxes.size(); ++n) {
        const int labelTop = design::boxes[n - 1].label_top;
        place(Label[n], labelTop, design::label_height, dpi, text);
        place(Text[n], labelTop + design::box_below_label, design::box_height, dpi, text);
        SendMessageW(Label[n], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        SendMessageW(Text[n], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    DeleteObject(previous);
}

LRESULT CALLBACK velmarin::dateBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self)
{
    auto &form = *reinterpret_cast<velmarin *>(self);
    switch (message) {
    case WM_GETDLGCODE:
        // Enter belongs to the box, not to the dialog keys, so that it arrives as a carriage return.
        if (const auto *key = reinterpret_cast<const MSG *>(lParam);
            key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            return DefSubclassProc(box, message, wParam, lParam) | DLGC_WANTMESSAGE;
        break;
    case WM_CHAR:
        // Enter, keypad Enter and Ctrl+M all type a carriage return. It never
        // reaches the box: nothing is inserted and it does not beep.
        if (wParam == L'\r') {
            id == 1 ? form.Text1_KeyPress() : form.Text2_KeyPress();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, dateBoxProcedure, id);
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

// Enter calculates when both boxes hold dates and always moves to the other box.
void velmarin::Text1_KeyPress()
{
    describeDateBoxes(2, difference());
    selectAll(Text[2]);
    focus(Text[2]);
}

void velmarin::Text2_KeyPress()
{
    describeDateBoxes(1, difference());
    selectAll(Text[1]);
    focus(Text[1]);
}

std::optional<calc::difference_texts> velmarin::difference()
{
    auto texts = dates.results(textOf(Text[1]), textOf(Text[2]), today());
    for (std::size_t n = 3; const auto &shown : date_entry::shown(texts))
        checked(SetWindowTextW(Text[n++], utf16(shown).c_str()), "SetWindowText");
    return texts;
}

// Annotated before the focus moves, since a screen reader reads a description as the focus arrives.
void velmarin::describeDateBoxes(std::size_t focusTo, const std::optional<calc::difference_texts> &calculated)
{
    for (std::size_t n = 1; const auto &said : date_entry::descriptions(focusTo, calculated))
        annotate(Text[n++], PROPID_ACC_DESCRIPTION, said);
}

// Every way of closing the window comes through here. Returns whether to close.
bool velmarin::Form_Unload()
{
    const int answer = checked(MessageBoxW(window, utf16(design::quit_question).c_str(),
                                           utf16(run_time::title).c_str(), MB_YESNO | MB_DEFBUTTON1),
                               "MessageBox");
    if (answer != IDYES)
        return false;
    credits::open(reinterpret_cast<HINSTANCE>(checked(GetWindowLongPtrW(window, GWLP_HINSTANCE), "GetWindowLongPtr")),
                  MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    return true;
}
