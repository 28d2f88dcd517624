// Drives orvandel.exe from outside, as a person would: finds its windows by
// title and its controls by class and order, types and clicks with real input.
// Usage: windows_test ORVANDEL.EXE DPI TEXT [SCREENSHOT.BMP]
//   TEXT: the desktop's text against the standard at that DPI, as heights: 30/18, or 1/1.

#include "app/application.h"
#include "calc/calendars.h"
#include "ui/credits_window/credits_design.h"
#include "ui/main_window/velmarin_design.h"

#include <windows.h>

#include <oleacc.h>
#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace design = velmarin_design;
using namespace std::chrono_literals;
using clock_type = std::chrono::steady_clock;

int failures = 0;
int dpi = 96;
int textHeight = 1, textStandard = 1; // which the main window grows with

void check(bool passed, const std::string &what)
{
    if (!passed) {
        ++failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

std::string narrow(const std::wstring &text)
{
    return {text.begin(), text.end()}; // ASCII: other letters are garbled, in the messages only
}

bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds limit = 5s)
{
    const auto end = clock_type::now() + limit;
    while (!condition()) {
        if (clock_type::now() > end)
            return false;
        Sleep(10);
    }
    return true;
}

std::wstring wide(const char *text)
{
    return {text, text + std::strlen(text)};
}

HWND waitForWindow(const wchar_t *className, const std::wstring &title)
{
    HWND found = nullptr;
    // Shown, so that it has all its controls.
    waitUntil([&] { return (found = FindWindowW(className, title.c_str())) != nullptr && IsWindowVisible(found); }, 20s);
    check(found != nullptr, "no window titled " + narrow(title));
    return found;
}

std::vector<HWND> children(HWND window)
{
    std::vector<HWND> found;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            found.push_back(child);
    return found;
}

std::wstring classOf(HWND window)
{
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

// WM_GETTEXT, since GetWindowText does not ask another process's controls.
std::wstring textOf(HWND control)
{
    wchar_t text[256]{};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

void setText(HWND control, const std::wstring &text)
{
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// What a screen reader reads as a control's description.
std::wstring descriptionOf(HWND control)
{
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void **>(&object))))
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const std::wstring description = object->get_accDescription(self, &text) == S_OK && text ? text : L"";
    SysFreeString(text);
    object->Release();
    return description;
}

// Whether this system keeps what a program annotates (Direct Annotation): Wine 8 answers E_NOTIMPL.
bool annotationsKept()
{
    IAccPropServices *annotations = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void **>(&annotations))))
        return false;
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const bool kept = SUCCEEDED(annotations->SetHwndPropStr(probe, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                            PROPID_ACC_DESCRIPTION, L"probe"))
                   && descriptionOf(probe) == L"probe";
    DestroyWindow(probe);
    annotations->Release();
    return kept;
}
bool describes = false; // annotationsKept(), once COM is up

// Where the focus and the caret are in the window's thread.
GUITHREADINFO inputOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

HWND focusIn(HWND window)
{
    return inputOf(window).hwndFocus;
}

// As Tab leaves a box, and start-up and Enter the date box they bring the focus to: typing replaces it all.
bool allSelected(HWND box)
{
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == static_cast<DWORD>(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0));
}

int scaled(int twips)
{
    return MulDiv(twips, dpi, 1440);
}

int grown(int twips)
{
    return MulDiv(twips, dpi * textHeight, 1440 * textStandard);
}

// Real input, through the same queue as a keyboard and a mouse. It is handled
// some time later: every caller waits for what the input does.
void send(std::vector<INPUT> inputs)
{
    check(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size(),
          "SendInput took not all of the input");
}

// Keys go to the foreground window, once it has taken the keyboard; not before.
void activate(HWND window)
{
    SetForegroundWindow(window);
    check(waitUntil([&] { return GetForegroundWindow() == window; }), "a window did not come to the front");
}

INPUT key(WORD virtualKey, bool up, DWORD flags = 0)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

// Presses the keys in order and lets them go in reverse: {VK_CONTROL, 'M'} is Ctrl+M.
void press(std::vector<WORD> keys, DWORD flags = 0)
{
    std::vector<INPUT> inputs;
    for (WORD k : keys)
        inputs.push_back(key(k, false, k == keys.back() ? flags : 0));
    for (auto k = keys.rbegin(); k != keys.rend(); ++k)
        inputs.push_back(key(*k, true, *k == keys.back() ? flags : 0));
    send(inputs);
}

void type(const std::wstring &text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text)
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    send(inputs);
}

void click(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(middle.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    move.mi.dy = MulDiv(middle.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move, up = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send({move});
    // Wine may put a click where the pointer was: the button waits for the move.
    // (The move's scaling to 65536ths can come back a pixel short.)
    const auto withinAPixel = [](LONG a, LONG b) { return a - b <= 1 && b - a <= 1; };
    check(waitUntil([&] {
        POINT at{};
        return GetCursorPos(&at) && withinAPixel(at.x, middle.x) && withinAPixel(at.y, middle.y);
    }), "the pointer did not reach the middle of the window");
    send({down, up});
}

// Clicks into boxes under Wine sometimes land where the pointer was; this never misses.
void focus(HWND control)
{
    const DWORD ours = GetCurrentThreadId();
    const DWORD theirs = GetWindowThreadProcessId(control, nullptr);
    AttachThreadInput(ours, theirs, TRUE);
    SetFocus(control);
    AttachThreadInput(ours, theirs, FALSE);
}

RECT clientRectOnScreen(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

struct program {
    PROCESS_INFORMATION process{};

    explicit program(const wchar_t *path)
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + std::wstring(path) + L"\"";
        check(CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process),
              "the program does not start");
    }
    ~program()
    {
        TerminateProcess(process.hProcess, 99); // only if a check left it running
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    bool ended() const { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }
    DWORD exitCode() const
    {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
};

// With its last window gone, no orvandel.exe may run on unseen, wherever its file is.
void checkNoneLeft(const std::string &after)
{
    check(waitUntil([] {
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        BOOL more = Process32FirstW(snapshot, &entry);
        while (more && _wcsicmp(entry.szExeFile, L"orvandel.exe") != 0)
            more = Process32NextW(snapshot, &entry);
        CloseHandle(snapshot);
        return snapshot != INVALID_HANDLE_VALUE && !more;
    }), "orvandel.exe still runs after " + after);
}

// The main window's twelve controls: Label1, Text1, ..., Label6, Text6.
struct form {
    HWND window;
    std::array<HWND, 7> Label{}, Text{};

    explicit form(HWND found)
        : window(found)
    {
        const auto controls = children(window);
        check(controls.size() == 12, "the main window has " + std::to_string(controls.size()) + " controls");
        for (std::size_t n = 1; n <= 6 && 2 * n <= controls.size(); ++n) {
            Label[n] = controls[2 * n - 2];
            Text[n] = controls[2 * n - 1];
        }
    }

    std::vector<std::wstring> texts() const
    {
        std::vector<std::wstring> all;
        for (std::size_t n = 1; n <= 6; ++n) {
            all.push_back(textOf(Label[n]));
            all.push_back(textOf(Text[n]));
        }
        return all;
    }
    std::vector<std::wstring> results() const
    {
        return {textOf(Text[3]), textOf(Text[4]), textOf(Text[5]), textOf(Text[6])};
    }
};

std::string described(const RECT &r)
{
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + " at " + std::to_string(r.left)
         + "," + std::to_string(r.top);
}

// The window, title bar and all, within the work area of its monitor; its client area `width` by
// `height` pixels, but cut at the right and bottom to what the work area holds with the frame.
void checkFits(HWND window, int width, int height, const std::string &name)
{
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &area = monitor.rcWork;
    check(outer.left >= area.left && outer.top >= area.top && outer.right <= area.right && outer.bottom <= area.bottom,
          name + " is " + described(outer) + ", not within the work area " + described(area));
    const int room_width = (area.right - area.left) - (outer.right - outer.left - client.right);
    const int room_height = (area.bottom - area.top) - (outer.bottom - outer.top - client.bottom);
    check(client.right == std::min(width, room_width) && client.bottom == std::min(height, room_height),
          name + "'s client area is " + described(client));
    std::printf("%s: %s, client area %ldx%ld\n", name.c_str(), described(outer).c_str(), client.right, client.bottom);
}

void checkLayout(const form &f)
{
    checkFits(f.window, grown(design::client_width), grown(design::client_height), "the main window");
    check(!(GetWindowLongW(f.window, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX)), "the window can be resized");
    check(waitUntil([&] { return focusIn(f.window) == f.Text[1]; }), "the focus does not start in Text1");
    check(allSelected(f.Text[1]), "Text1's prompt is not selected at start-up");
    const RECT origin = clientRectOnScreen(f.window);
    for (std::size_t n = 1; n <= 6; ++n) {
        const auto &pair = design::boxes[n - 1];
        const std::string name = "Text" + std::to_string(n);
        const auto placed = [&](HWND control, int top, int height) {
            RECT r;
            GetWindowRect(control, &r);
            return r.left - origin.left == grown(design::left) && r.top - origin.top == grown(top)
                && r.right - r.left == grown(design::width) && r.bottom - r.top == grown(height);
        };
        check(classOf(f.Label[n]) == L"Static" && classOf(f.Text[n]) == L"Edit", name + " is no Edit after a Static");
        check(textOf(f.Label[n]) == wide(pair.heading), "Label" + std::to_string(n) + "'s text");
        check(textOf(f.Text[n]) == wide(pair.initial), name + "'s initial text");
        check(placed(f.Label[n], pair.label_top, design::label_height), "Label" + std::to_string(n) + "'s place");
        check(placed(f.Text[n], pair.label_top + design::box_below_label, design::box_height), name + "'s place");
        const auto style = GetWindowLongW(f.Text[n], GWL_STYLE);
        check((style & WS_TABSTOP) && !(GetWindowLongW(f.Label[n], GWL_STYLE) & WS_TABSTOP),
              name + " is no tab stop, or its label is");
        check(((style & ES_READONLY) != 0) == (n > 2), name + " is read-only wrongly");
        // Its text whole: after the last character its caret, as tall as a line, stays inside it,
        // and getting there scrolled nothing.
        focus(f.Text[n]);
        check(waitUntil([&] { return inputOf(f.window).hwndCaret == f.Text[n]; }), name + " shows no caret");
        SendMessageW(f.Text[n], EM_SETSEL, textOf(f.Text[n]).size(), -1);
        SendMessageW(f.Text[n], EM_SCROLLCARET, 0, 0);
        RECT client, format, caret = inputOf(f.window).rcCaret;
        GetClientRect(f.Text[n], &client);
        SendMessageW(f.Text[n], EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        check(static_cast<short>(SendMessageW(f.Text[n], EM_POSFROMCHAR, 0, 0)) == format.left
                  && caret.right <= client.right && caret.bottom <= client.bottom,
              name + " cuts its text: its caret at the end is " + described(caret) + " in " + described(client));
    }
}

enum class entry { set_text, typed }; // typed: over what Enter selects, as a person types
enum class enter_key { enter, keypad, ctrl_m, ctrl_j, alt_enter };

struct enter_case {
    const char *name;
    std::wstring first;
    std::wstring second;
    entry how;
    std::size_t pressedIn;
    enter_key with;
    std::vector<std::wstring> expected; // empty: no results, so the initial texts, or the earlier ones for other keys
    const wchar_t *said = nullptr;      // after the description of the box the focus moves to; null: not checked
};

void pressKey(enter_key with)
{
    switch (with) {
    case enter_key::enter: press({VK_RETURN}); break;
    case enter_key::keypad: press({VK_RETURN}, KEYEVENTF_EXTENDEDKEY); break;
    case enter_key::ctrl_m: press({VK_CONTROL, 'M'}); break;
    case enter_key::ctrl_j: press({VK_CONTROL, 'J'}); break;
    case enter_key::alt_enter: press({VK_MENU, VK_RETURN}); break;
    }
}

// Returns how long the key took to move the focus, or to be handled.
std::chrono::milliseconds enterDates(const form &f, const enter_case &c)
{
    const std::vector<std::wstring> initial = {L"days difference", L"WEEKS DIFFERENCE", L"MONTHS DIFFERENCE",
                                               L"YEARS DIFFERENCE"},
                                    earlier = {L"17", L"2", L"0", L"0"};
    // Into the box the key is pressed in last; typed, each over what an Enter in the other box selected.
    for (std::size_t n : {3 - c.pressedIn, c.pressedIn}) {
        const std::wstring &date = n == 1 ? c.first : c.second;
        const std::string name = std::string(c.name) + ": Text" + std::to_string(n);
        if (c.how == entry::set_text) {
            setText(f.Text[n], date);
            continue;
        }
        focus(f.Text[3 - n]);
        check(waitUntil([&] { return focusIn(f.window) == f.Text[3 - n]; }), name + ": no focus to press Enter in");
        press({VK_RETURN});
        check(waitUntil([&] { return focusIn(f.window) == f.Text[n] && allSelected(f.Text[n]); }),
              name + ": Enter did not bring the focus, its text selected");
        type(date);
        check(waitUntil([&] { return textOf(f.Text[n]) == date; }),
              name + ": typing over its text left " + narrow(textOf(f.Text[n])));
    }
    for (std::size_t n = 3; n <= 6; ++n)
        setText(f.Text[n], earlier[n - 3]);
    const HWND pressed = f.Text[c.pressedIn];
    focus(pressed);
    SendMessageW(pressed, EM_SETSEL, 0, 0);
    const HWND other = f.Text[3 - c.pressedIn];
    const std::wstring before = textOf(pressed);
    const auto sent = clock_type::now();
    pressKey(c.with);
    const bool carriageReturn = c.with < enter_key::ctrl_j;
    // A key that must change nothing shows nothing to wait for, so End follows it:
    // once End has moved the caret, the key before it has been handled too.
    if (!carriageReturn) {
        press({VK_END});
        const auto caretAtEnd = [&] {
            DWORD start = 0, end = 0;
            SendMessageW(pressed, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            return start == end && end == textOf(pressed).size();
        };
        check(waitUntil([&] { return focusIn(f.window) != pressed || caretAtEnd(); }),
              std::string(c.name) + ": End after the key did not move the caret");
    }
    check(waitUntil([&] { return focusIn(f.window) == (carriageReturn ? other : pressed); }),
          std::string(c.name) + ": the focus is in the " + (focusIn(f.window) == pressed ? "same box" : "wrong place"));
    // However much a box holds, Enter answers at once.
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(clock_type::now() - sent);
    check(took < 500ms, std::string(c.name) + ": the key took " + std::to_string(took.count()) + " ms");
    const auto expected = !c.expected.empty() ? c.expected : carriageReturn ? initial : earlier;
    check(waitUntil([&] { return f.results() == expected; }), std::string(c.name) + ": results " +
              narrow(f.results()[0]) + " " + narrow(f.results()[1]) + " " + narrow(f.results()[2]) + " " +
              narrow(f.results()[3]));
    if (carriageReturn) {
        check(textOf(pressed) == before, std::string(c.name) + ": the key changed the box's text");
        check(allSelected(other), std::string(c.name) + ": the box the focus moved to has not its text selected");
    }
    if (describes && carriageReturn && (c.expected.empty() || c.said)) {
        const auto plain = [](std::size_t n) { return wide(design::boxes[n - 1].description); };
        const std::wstring heard = descriptionOf(other);
        check(heard == plain(3 - c.pressedIn) + (c.expected.empty() ? L"" : c.said),
              std::string(c.name) + ": the box the focus moved to is described as " + narrow(heard));
        check(descriptionOf(pressed) == plain(c.pressedIn), std::string(c.name) + ": the other box says more");
    }
    return took;
}

bool userLocaleIs(std::wstring_view name)
{
    wchar_t user[LOCALE_NAME_MAX_LENGTH]{};
    GetUserDefaultLocaleName(user, LOCALE_NAME_MAX_LENGTH);
    return user == name;
}

// The calendar the user's regional settings name, as Windows numbers them.
CALID userCalendar()
{
    CALID calendar = CAL_GREGORIAN;
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_ICALENDARTYPE | LOCALE_RETURN_NUMBER,
                    reinterpret_cast<LPWSTR>(&calendar), sizeof calendar / sizeof(wchar_t));
    return calendar;
}

// A date and a time as Windows writes them in the user's locale, a space between them.
std::wstring writtenByWindows(WORD year, WORD month, WORD day, DWORD dateStyle, DWORD timeStyle)
{
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = 14;
    t.wMinute = 30;
    t.wSecond = 5;
    wchar_t date[128]{}, time[128]{};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, dateStyle, &t, nullptr, date, 128, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, timeStyle, &t, nullptr, time, 128);
    return std::wstring(date) + L" " + time;
}

// A date as Windows writes it in the user's locale with the picture.
std::wstring writtenAs(const calc::civil_date &d, const wchar_t *picture)
{
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(d.year);
    t.wMonth = static_cast<WORD>(d.month);
    t.wDay = static_cast<WORD>(d.day);
    wchar_t date[128]{};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, picture, date, 128, nullptr);
    return date;
}

// This machine's local date, as calc numbers days.
int localDay()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return calc::days_from_civil(now.wYear, now.wMonth, now.wDay);
}

std::wstring iso(const calc::civil_date &d)
{
    wchar_t text[16];
    std::swprintf(text, std::size(text), L"%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// Today, the days around it and dates without their year, against ISO dates
// worked out from this clock, as a person checking would; a Persian date as
// calc's calendar counts it, which Windows cannot under Wine.
std::vector<enter_case> casesOnDay(int today, CALID calendar)
{
    const std::vector<std::wstring> none = {L"0", L"0", L"0", L"0"};
    const auto day = [today](int after) { return iso(calc::civil_from_days(today + after)); };
    std::vector<enter_case> cases = {{"today and tomorrow", L"Today", L"tomorrow 17:39", entry::set_text, 1,
                                      enter_key::enter, {L"1", L"0", L"0", L"0"}}};
    if (userLocaleIs(L"de-DE")) {
        cases.push_back({"heute", L"heute 9:30", day(0), entry::set_text, 2, enter_key::enter, none});
        cases.push_back({"vorgestern", day(-9), L"Vorgestern", entry::set_text, 1, enter_key::enter,
                         {L"7", L"1", L"0", L"0"}});
        const std::wstring april20 = iso({calc::civil_from_days(today).year, 4, 20});
        cases.push_back({"without its year", L"20.04.", april20, entry::set_text, 2, enter_key::enter, none});
    }
    // Swedish writes a day and month without their year day first, and its short date year first.
    const calc::civil_date january7{calc::civil_from_days(today).year, 1, 7}, july1{january7.year, 7, 1};
    if (userLocaleIs(L"sv-SE")) {
        cases.push_back({"the day first without the year", L"7/1", iso(january7), entry::set_text, 2, enter_key::enter,
                         none});
        cases.push_back({"the month second without the year", iso(july1), L"1/7", entry::set_text, 1, enter_key::enter,
                         none});
    }
    // A weekday before a day and month, as calendars write them: "Mi., 7.1.", "ons 7/1", "พ. 7 ม.ค.".
    const wchar_t *weekdayFirst = userLocaleIs(L"de-DE") ? L"ddd, d.M."
                                : userLocaleIs(L"sv-SE") ? L"ddd d/M"
                                : calendar == CAL_THAI   ? L"ddd d MMM"
                                                         : nullptr;
    if (weekdayFirst)
        cases.push_back({"a weekday before a day and month", writtenAs(january7, weekdayFirst), iso(january7),
                         entry::set_text, 2, enter_key::enter, none});
    if (calendar == 22 /* CAL_PERSIAN */) {
        const auto d = calc::date_from_days(calc::calendar::persian, today);
        cases.push_back({"the day after tomorrow", L"\u067e\u0633\u200c\u0641\u0631\u062f\u0627", day(2),
                         entry::set_text, 1, enter_key::enter, none});
        cases.push_back({"without its year", std::to_wstring(d.month) + L"/" + std::to_wstring(d.day), day(0),
                         entry::set_text, 2, enter_key::enter, none});
    }
    return cases;
}

void checkEnter(const form &f)
{
    const std::vector<std::wstring> jan_to_mar = {L"65", L"9", L"2", L"0"};
    const std::wstring spaces(10000, L' '), amid_spaces = spaces + L"15 January 2004" + spaces;
    std::wstring long_text;
    while (long_text.size() < 30000)
        long_text += L"1/";
    std::vector<enter_case> cases = {
        {"initial texts", L"enter a date", L"ENTER A DATE", entry::set_text, 1, enter_key::enter, {}},
        {"typed over the prompts", L"15 January 2004", L"20 March 2004", entry::typed, 2, enter_key::enter,
         jan_to_mar},
        {"only the first is a date", L"15 January 2004", L"ENTER A DATE", entry::set_text, 1, enter_key::enter, {}},
        {"only the second is a date", L"enter a date", L"20 March 2004", entry::set_text, 2, enter_key::enter, {}},
        {"later to earlier", L"20 March 2004", L"15 January 2004", entry::set_text, 1, enter_key::enter,
         {L"65", L"-9", L"2", L"0"}, L". 65 days, -9 weeks, 2 months, 0 years difference"},
        {"a year across a leap day", L"1 March 2003", L"1 March 2004", entry::set_text, 2, enter_key::enter,
         {L"366", L"52", L"12", L"1"}, L". 366 days, 52 weeks, 12 months, 1 year difference"},
        {"ISO dates", L"2004-01-15", L"2004-03-20", entry::set_text, 1, enter_key::enter, jan_to_mar,
         L". 65 days, 9 weeks, 2 months, 0 years difference"},
        {"keypad Enter", L"15 January 2004", L"20 March 2004", entry::set_text, 2, enter_key::keypad, jan_to_mar},
        {"Ctrl+M", L"15 January 2004", L"20 March 2004", entry::set_text, 1, enter_key::ctrl_m, jan_to_mar},
        {"Ctrl+J is no carriage return", L"15 January 2004", L"20 March 2004", entry::set_text, 2,
         enter_key::ctrl_j, {}},
        {"Alt+Enter is no carriage return", L"15 January 2004", L"20 March 2004", entry::set_text, 2,
         enter_key::alt_enter, {}},
        {"typed over calculated dates", L"1 January 2004", L"31 December 2004", entry::typed, 2,
         enter_key::enter, {L"365", L"52", L"12", L"0"}},
        {"a date amid 20,000 spaces", amid_spaces.c_str(), L"20 March 2004", entry::set_text, 1, enter_key::enter,
         jan_to_mar},
        {"mail and ISO stamps", L"Thu, 15 Jan 2004 14:30:05 +0000", L"2004-03-20T23:30:00-05:00", entry::set_text,
         2, enter_key::enter, jan_to_mar},
        {"full-width forms", L"\uff12\uff10\uff10\uff14\uff0d\uff10\uff11\uff0d\uff11\uff15", L"2004-03-20",
         entry::set_text, 1, enter_key::enter, jan_to_mar},
        // As programs print them, under every locale.
        {"git's log and a web server's", L"Thu Jan 15 14:30:05 2004 +0000", L"20/Mar/2004:09:03:41 +0000",
         entry::set_text, 2, enter_key::enter, jan_to_mar},
        {"the date command's and OpenSSL's", L"Thu Jan 15 14:30:05 UTC 2004", L"Mar 20 09:03:41 2004 GMT",
         entry::set_text, 1, enter_key::enter, jan_to_mar},
        {"mail's and ICU's long English", L"Thu, 15 Jan 2004 14:30:05 +0100 (CET)",
         L"20 March 2004 at 09:03:41 UTC", entry::set_text, 2, enter_key::enter, jan_to_mar},
        {"JavaScript's and Java's", L"Thu Jan 15 2004 14:30:05 GMT+0100 (Central European Standard Time)",
         L"2004-03-20T04:03:41-05:00[America/New_York]", entry::set_text, 1, enter_key::enter, jan_to_mar},
        {"Go's and ICU's English", L"Thursday, 15-Jan-04 14:30:05 CET", L"Mar 20, 2004, 9:03 AM", entry::set_text,
         2, enter_key::enter, jan_to_mar},
        {"typed English and ISO's basic form", L"Thursday the 15th of January, \u201904",
         L"20040320T093000Z", entry::set_text, 1, enter_key::enter, jan_to_mar},
        {"a calendar's range", L"Thu Jan 15, 2004 10am \u2013 11am", L"2004-03-20 09:03:41,123", entry::set_text,
         2, enter_key::enter, jan_to_mar},
        // As much as a person can type or paste; Enter must still move on at once.
        {"30,000 characters", L"15 January 2004", long_text.c_str(), entry::set_text, 2, enter_key::enter, {}},
    };
    // Dates in the locale's own words are dates only in that locale, and U.S.
    // English reads digits month first. Years are in the user's own calendar,
    // here against an ISO date, which stays Gregorian; eras decide.
    const bool german = userLocaleIs(L"de-DE"), english = userLocaleIs(L"en-US"), swedish = userLocaleIs(L"sv-SE");
    const auto in_german = german ? jan_to_mar : std::vector<std::wstring>{};
    const CALID calendar = userCalendar();
    // Wine writes dates in the Gregorian calendar whatever the user's is.
    const std::wstring jan15 = writtenByWindows(2004, 1, 15, DATE_SHORTDATE, 0),
                       mar20 = writtenByWindows(2004, 3, 20, DATE_LONGDATE, TIME_NOSECONDS);
    const std::pair<bool, enter_case> in_locale[] = {
        {calendar == CAL_GREGORIAN, {"dates and times as Windows writes them", jan15.c_str(), mar20.c_str(),
                                     entry::set_text, 1, enter_key::enter, jan_to_mar}},
        {german || english, {"German long form", L"Donnerstag, 15. Januar 2004", L"20. M\u00e4rz 2004",
                             entry::set_text, 1, enter_key::enter, in_german}},
        {german || english, {"German digits", L"15.01.2004", L"20.03.2004", entry::set_text, 2, enter_key::enter,
                             in_german}},
        {german || english, {"German weekdays before digits", L"Do., 15.01.2004 14:30", L"Sa., 20.03.2004",
                             entry::set_text, 1, enter_key::enter, in_german}},
        {german || english, {"a German weekday not the date's own", L"Fr., 15.01.2004", L"20.03.2004",
                             entry::set_text, 2, enter_key::enter, {}}},
        {german || english, {"the German hour's word", L"15.01.2004 14 Uhr", L"20.03.2004 14 Uhr", entry::set_text, 1,
                             enter_key::enter, in_german}},
        {german || english, {"German words around a date and its hour", L"am 15.01.2004 um 14 Uhr",
                             L"20.03.2004, 14:30 Uhr", entry::set_text, 2, enter_key::enter, in_german}},
        {swedish, {"a Swedish weekday before an ISO date", L"torsdag, 2004-01-15", L"l\u00f6rdag, 2004-03-20",
                   entry::set_text, 1, enter_key::enter, jan_to_mar}},
        {swedish, {"Swedish words around a date and its hour", L"den 15 januari 2004 kl. 14:30", L"2004-03-20",
                   entry::set_text, 2, enter_key::enter, jan_to_mar}},
        {swedish, {"the first of a month as a Swedish ordinal", L"2004-01-15", L"1:a februari 2004", entry::set_text, 1,
                   enter_key::enter, {L"17", L"2", L"0", L"0"}}},
        {calendar == CAL_THAI,
         {"Buddhist digits", L"15/1/2547", L"2004-03-20", entry::set_text, 1, enter_key::enter, jan_to_mar}},
        {calendar == CAL_THAI,
         {"Buddhist and Gregorian eras", L"15 \u0e21\u0e01\u0e23\u0e32\u0e04\u0e21 \u0e1e.\u0e28. 2547",
          L"20 \u0e21\u0e35\u0e19\u0e32\u0e04\u0e21 \u0e04.\u0e28. 2004", entry::set_text, 2, enter_key::enter,
          jan_to_mar}},
        {calendar == 22 /* CAL_PERSIAN */,
         {"Persian digits", L"1382/10/25", L"2004-03-20", entry::set_text, 1, enter_key::enter, jan_to_mar}},
        {calendar == CAL_UMALQURA,
         {"Umm al-Qura digits", L"23/11/1424", L"2004-03-20", entry::set_text, 2, enter_key::enter, jan_to_mar}},
    };
    for (const auto &[applies, c] : in_locale)
        if (applies)
            cases.push_back(c);
    activate(f.window);
    std::chrono::milliseconds slowest{};
    for (const auto &c : cases)
        slowest = std::max(slowest, enterDates(f, c));
    // Should midnight pass while they run, they ran on two days: they run again, on the new one.
    for (int today = localDay(), before = failures;; today = localDay(), failures = before) {
        for (const auto &c : casesOnDay(today, calendar))
            slowest = std::max(slowest, enterDates(f, c));
        if (localDay() == today)
            break;
        std::printf("midnight passed: the cases of today run again\n");
    }
    // Last, for the screenshot the README shows.
    slowest = std::max(slowest, enterDates(f, {"typed", L"15 January 2004", L"20 March 2004", entry::typed, 1,
                                               enter_key::enter, jan_to_mar}));
    std::printf("the slowest key took %lld ms\n", static_cast<long long>(slowest.count()));
}

// What the screen shows in the rectangle, as the rows of a bottom-up 24-bit BMP.
std::vector<BYTE> grab(const RECT &r, BITMAPINFOHEADER &header)
{
    header = {};
    header.biSize = sizeof header;
    header.biWidth = r.right - r.left;
    header.biHeight = r.bottom - r.top;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = static_cast<DWORD>(((header.biWidth * 3 + 3) & ~3) * header.biHeight);
    std::vector<BYTE> pixels(header.biSizeImage);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, header.biWidth, header.biHeight);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(header.biHeight), pixels.data(),
              reinterpret_cast<BITMAPINFO *>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The window, frame and all.
void saveScreenshot(HWND window, const char *path)
{
    RECT r;
    GetWindowRect(window, &r);
    BITMAPINFOHEADER header;
    // The boxes repaint some time after their texts change: the picture is taken once it holds still.
    std::vector<BYTE> pixels = grab(r, header), before;
    waitUntil([&] {
        Sleep(100);
        before.swap(pixels);
        pixels = grab(r, header);
        return pixels == before;
    });
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE *out = std::fopen(path, "wb");
    check(out != nullptr, std::string("cannot write ") + path);
    if (!out)
        return;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(pixels.data(), pixels.size(), 1, out);
    std::fclose(out);
}

// What a message box shows: its buttons by their answers, not their words, which follow the
// user's language; its texts; whether it has an icon.
struct message_box {
    std::set<int> buttons;
    std::set<std::wstring> texts;
    bool icon = false;
};

message_box shownIn(HWND box)
{
    message_box shown;
    for (HWND child : children(box)) {
        if (classOf(child) == L"Button")
            shown.buttons.insert(GetDlgCtrlID(child));
        else if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            shown.icon = shown.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        else
            shown.texts.insert(textOf(child));
    }
    return shown;
}

HWND checkQuestion(HWND mainWindow)
{
    const HWND box = waitForWindow(L"#32770", wide(application::title));
    if (!box)
        return nullptr;
    check(GetWindow(box, GW_OWNER) == mainWindow, "the question does not belong to the main window");
    const message_box shown = shownIn(box);
    const HWND yes = GetDlgItem(box, IDYES);
    check(shown.texts.count(wide(design::quit_question)) == 1, "the question's text");
    check(shown.buttons == std::set<int>{IDYES, IDNO}, "the question's buttons are not exactly Yes and No");
    // Wine's message box answers DM_GETDEFID with IDOK whatever it shows.
    check(yes && (GetWindowLongW(yes, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON
              && waitUntil([&] { return focusIn(box) == yes; }),
          "Yes is not the default");
    check(!shown.icon, "the question shows an icon");
    return box;
}

void answer(HWND box, int button)
{
    PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
    check(waitUntil([&] { return !IsWindow(box); }), "the question stays after an answer");
}

// Every way of closing the main window asks first; No keeps everything as it was.
void checkAnswerNo(const form &f)
{
    const struct {
        const char *name;
        std::function<void()> close;
    } ways[] = {
        {"WM_CLOSE", [&] { PostMessageW(f.window, WM_CLOSE, 0, 0); }},
        {"the system menu's Close", [&] { PostMessageW(f.window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [&] { activate(f.window); press({VK_MENU, VK_F4}); }},
    };
    for (const auto &way : ways) {
        const auto texts = f.texts();
        const HWND focus = focusIn(f.window);
        way.close();
        const HWND box = checkQuestion(f.window);
        check(box != nullptr, std::string(way.name) + " does not ask");
        if (!box)
            continue;
        answer(box, IDNO);
        check(IsWindow(f.window) && IsWindowVisible(f.window), std::string(way.name) + ": No closed the window");
        check(f.texts() == texts, std::string(way.name) + ": No changed the texts");
        check(waitUntil([&] { return focusIn(f.window) == focus; }),
              std::string(way.name) + ": No moved the focus");
    }
}

struct credits {
    HWND window;
    clock_type::time_point answered; // just before Yes, so before their time starts
};

// Answers Yes with the keyboard's Enter, which also proves Yes is the default.
credits quitToCredits(const form &f)
{
    PostMessageW(f.window, WM_CLOSE, 0, 0);
    const HWND box = checkQuestion(f.window);
    if (!box)
        return {};
    activate(box);
    const auto answered = clock_type::now();
    press({VK_RETURN});
    const HWND creditsWindow = waitForWindow(nullptr, wide(credits_design::caption));
    check(waitUntil([&] { return !IsWindow(f.window); }), "Yes kept the main window");
    return {creditsWindow, answered};
}

void checkCredits(HWND window)
{
    checkFits(window, scaled(credits_design::client_width), scaled(credits_design::client_height),
              "the credits window");
    check(GetWindow(window, GW_OWNER) == nullptr, "the credits have an owner");
    // A picture has many colours where a bare window has one.
    std::size_t colours = 0;
    waitUntil([&] {
        BITMAPINFOHEADER header;
        const auto pixels = grab(clientRectOnScreen(window), header);
        std::set<std::array<BYTE, 3>> seen;
        for (std::size_t at = 0; at + 3 <= pixels.size(); at += 3 * 97)
            seen.insert({pixels[at], pixels[at + 1], pixels[at + 2]});
        colours = seen.size();
        return colours > 40;
    }, 3s);
    check(colours > 40, "the credits picture is not painted: " + std::to_string(colours) + " colours");
}

struct ending {
    const char *name;
    std::function<void(HWND)> act;
    std::chrono::milliseconds earliest, latest; // to the process's end from Yes, and from the credits showing
};

void run(const wchar_t *path, const ending &how, bool everything, const char *screenshot)
{
    program orvandel(path);
    const HWND mainWindow = waitForWindow(nullptr, wide(design::caption));
    if (!mainWindow)
        return;
    const form f(mainWindow);
    if (everything) {
        checkLayout(f);
        checkEnter(f);
        if (screenshot)
            saveScreenshot(f.window, screenshot);
        checkAnswerNo(f);
    }
    const auto [creditsWindow, answered] = quitToCredits(f);
    if (!creditsWindow)
        return;
    const auto shown = clock_type::now();
    if (everything)
        checkCredits(creditsWindow);
    how.act(creditsWindow);
    check(WaitForSingleObject(orvandel.process.hProcess, 10000) == WAIT_OBJECT_0,
          std::string(how.name) + " does not end the program");
    const auto since = [](clock_type::time_point from) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(clock_type::now() - from);
    };
    const auto afterYes = since(answered), afterShown = since(shown);
    const std::string took = std::to_string(afterYes.count()) + " ms after Yes, " +
                             std::to_string(afterShown.count()) + " ms after the credits showed";
    check(afterYes >= how.earliest && afterShown <= how.latest, std::string(how.name) + " ended the program " + took);
    check(orvandel.ended() && orvandel.exitCode() == 0,
          std::string(how.name) + ": exit status " + std::to_string(orvandel.exitCode()));
    std::printf("%s: ended %s\n", how.name, took.c_str());
    checkNoneLeft(how.name);
}

// A failed call, caused from outside: a copy of the program in which a resource it loads by name
// has another name, as in a file damaged on its way.
struct damage {
    const char *name;
    const wchar_t *resource, *operation; // renamed; the call the report names
    bool afterYes;                       // the credits load it; else the start
    DWORD error;                         // as Wine tells it
};

// The report names the call and gives Windows' own words for the error; the program runs until
// its OK, then ends with a failure's status.
void checkFailure(const wchar_t *path, const damage &d)
{
    // A resource's name is its length, then its letters.
    const std::wstring entry = wchar_t(std::wcslen(d.resource)) + std::wstring(d.resource);
    std::string bytes{std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    const auto at = bytes.find(reinterpret_cast<const char *>(entry.data()), 0, 2 * entry.size());
    check(at != std::string::npos, std::string(d.name) + ": the program has no such resource");
    if (at != std::string::npos)
        bytes[at + 2 * entry.size() - 2] = '_';
    const auto copy = std::filesystem::temp_directory_path() / "orvandel-damaged" / "orvandel.exe";
    std::filesystem::create_directories(copy.parent_path());
    std::ofstream(copy, std::ios::binary) << bytes;

    program orvandel(copy.c_str());
    if (d.afterYes) {
        const HWND mainWindow = waitForWindow(nullptr, wide(design::caption));
        PostMessageW(mainWindow, WM_CLOSE, 0, 0);
        if (const HWND question = mainWindow ? checkQuestion(mainWindow) : nullptr)
            answer(question, IDYES);
    }
    const HWND report = waitForWindow(L"#32770", wide(application::title));
    wchar_t reason[512]{};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                   nullptr, d.error, 0, reason, 512, nullptr);
    const message_box shown = shownIn(report);
    const std::wstring said = shown.texts.empty() ? L"" : *shown.texts.rbegin();
    check(said == d.operation + std::wstring(L" failed.\n\n") + reason,
          std::string(d.name) + ": the report says \"" + narrow(said) + "\"");
    check(shown.buttons == std::set<int>{IDOK} && shown.icon, std::string(d.name) + ": the report is not an error's");
    check(!orvandel.ended(), std::string(d.name) + ": the program ended before its report was seen");
    answer(report, IDOK);
    check(WaitForSingleObject(orvandel.process.hProcess, 10000) == WAIT_OBJECT_0 && orvandel.exitCode() != 0,
          std::string(d.name) + ": OK did not end the program with a failure's status");
    checkNoneLeft(d.name);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 4 || std::swscanf(argv[3], L"%d/%d", &textHeight, &textStandard) != 2) {
        std::printf("usage: windows_test ORVANDEL.EXE DPI TEXT [SCREENSHOT.BMP]\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    describes = annotationsKept();
    if (!describes)
        std::printf("Direct Annotation is not kept here: the boxes' descriptions go unchecked\n");
    dpi = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    check(static_cast<int>(GetDpiForSystem()) == dpi, "Wine runs at " + std::to_string(GetDpiForSystem()) + " DPI");
    const std::string screenshot = argc > 4 ? narrow(argv[4]) : "";

    // The timer, first: it runs while everything else is checked.
    const std::chrono::milliseconds timer{credits_design::timer_interval_ms};
    const ending endings[] = {
        {"Timer1", [](HWND) {}, timer - 500ms, timer + 2000ms},
        {"a click", [](HWND w) { click(w); }, 0ms, 2500ms},
        {"a letter key", [](HWND w) { activate(w); press({'A'}); }, 0ms, 2500ms},
        {"Alt", [](HWND w) { activate(w); press({VK_MENU}); }, 0ms, 2500ms},
        {"F10", [](HWND w) { activate(w); press({VK_F10}); }, 0ms, 2500ms},
        {"closing the credits", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }, 0ms, 2500ms},
    };
    for (const auto &how : endings)
        run(argv[1], how, &how == &endings[0], screenshot.empty() ? nullptr : screenshot.c_str());
    const damage damages[] = {
        {"no icon", L"IDI_ICON1", L"LoadIcon", false, ERROR_RESOURCE_TYPE_NOT_FOUND}, // it tries an animated one too
        {"no credits picture", L"CREDITS", L"LoadImage", true, ERROR_RESOURCE_NAME_NOT_FOUND},
    };
    for (const auto &d : damages)
        checkFailure(argv[1], d);

    if (failures)
        std::printf("%d checks failed at %d DPI\n", failures, dpi);
    else
        std::printf("all passed at %d DPI\n", dpi);
    return failures ? 1 : 0;
}
