#pragma once

#include "locale_dates/unicode_win32.h"

#include <windows.h>

#include <oleacc.h>

#include <string_view>

// Adds to what a screen reader reads of a window Windows draws (its client
// object) through Direct Annotation, a COM service: the thread must have COM.
// Where the system offers no annotation (Wine), the window reads as before.
template <typename Set>
void withAnnotations(Set set)
{
    IAccPropServices *annotations = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void **>(&annotations))))
        return;
    set(*annotations);
    annotations->Release();
}

// Its name or description, from UTF-8.
inline void annotate(HWND window, MSAAPROPID property, std::string_view text)
{
    withAnnotations([&](IAccPropServices &annotations) {
        annotations.SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                   utf16(text).c_str());
    });
}

// Its role: one of the ROLE_SYSTEM_ numbers.
inline void annotateRole(HWND window, long role)
{
    VARIANT value{};
    value.vt = VT_I4;
    value.lVal = role;
    withAnnotations([&](IAccPropServices &annotations) {
        annotations.SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, value);
    });
}
