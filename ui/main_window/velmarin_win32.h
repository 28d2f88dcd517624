#pragma once

#include "calc/date_text.h"

#include <windows.h>

#include <array>
#include <optional>

// The main window in Windows' own controls: two date boxes and, below them,
// the four differences.
class velmarin
{
public:
    // Shows the window; it ends in Form_Unload, which hands over to the credits.
    static void open(HINSTANCE instance, int show);

    // Writes the differences of the dates in Text1 and Text2 into Text3..Text6.
    void difference();

private:
    explicit velmarin(HWND window);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK dateBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layOut(UINT dpi);
    bool Text1_KeyPress(wchar_t key);
    bool Text2_KeyPress(wchar_t key);
    bool dateBoxKeyPress(wchar_t key, HWND other);
    bool Form_Unload();
    std::optional<calc::civil_date> dateIn(HWND box) const;

    const HWND window;
    const calc::date_recognizer dates; // built once: the locale's names and formats
    HFONT font = nullptr;
    HWND focused = nullptr; // given back the focus when the window is active again

    // Numbered from 1 as designed: Text[1] is Text1. [0] stays empty.
    std::array<HWND, 7> Label{}, Text{};
};
