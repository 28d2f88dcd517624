#pragma once

#include "ui/main_window/date_entry.h"

#include <windows.h>

#include <array>

// The main window in Windows' own controls: two date boxes and, below them,
// the four differences.
class velmarin
{
public:
    // Shows the window; it ends in Form_Unload, which hands over to the credits. The quit
    // question, given no title of its own, carries the application's.
    static void open(HINSTANCE instance, int show, const char *applicationTitle);

    // Writes the differences of the dates in Text1 and Text2 into Text3..Text6 and returns
    // them; when either box holds no date, writes back their initial texts and returns nothing.
    std::optional<calc::difference_texts> difference();

private:
    explicit velmarin(HWND window);
    void createControls();
    void layOut(UINT dpi);

    // The window's messages, and the keys typed into the date boxes.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool Form_Unload();
    static LRESULT CALLBACK dateBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR self);
    void Text1_KeyPress();
    void Text2_KeyPress();
    void describeDateBoxes(std::size_t focusTo, const std::optional<calc::difference_texts> &calculated);

    const HWND window;
    const date_entry dates; // built once: the locale's names and formats
    HFONT font = nullptr;
    HWND focused = nullptr; // given back the focus when the window is active again

    // Numbered from 1 as designed: Text[1] is Text1. [0] stays empty.
    std::array<HWND, 7> Label{}, Text{};
};
