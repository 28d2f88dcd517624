#pragma once

#include <algorithm>

// Where a window goes on its monitor: all of it, title bar first, within the
// part of the screen that panels and task bars leave to windows.

// A window's outer edges, frame and title bar included, or a work area, in
// the monitor's pixels; right and bottom lie just outside.
struct screen_rect {
    int left, top, right, bottom;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    friend constexpr bool operator==(const screen_rect &, const screen_rect &) = default;
};

// The window moved into the work area and, where larger, cut at its right and
// bottom: its title bar and left edge stay on screen, and it shows less of its
// contents. Precondition: the work area is not empty.
constexpr screen_rect fitted(screen_rect window, screen_rect area)
{
    const int width = std::min(window.width(), area.width());
    const int height = std::min(window.height(), area.height());
    const int left = std::clamp(window.left, area.left, area.right - width);
    const int top = std::clamp(window.top, area.top, area.bottom - height);
    return {left, top, left + width, top + height};
}

// A window of that outer size in the middle of the work area, fitted to it.
constexpr screen_rect centred(int width, int height, screen_rect area)
{
    const int left = area.left + (area.width() - width) / 2;
    const int top = area.top + (area.height() - height) / 2;
    return fitted({left, top, left + width, top + height}, area);
}

// The credits at 192 DPI on a 1280x1024 screen: 1092 pixels high with the title bar.
static_assert(centred(1196, 1092, {0, 0, 1280, 1024}) == screen_rect{42, 0, 1238, 1024});
// A window that fits is only moved, and only as far as it must.
static_assert(fitted({-50, 900, 200, 1100}, {0, 0, 1280, 1024}) == screen_rect{0, 824, 250, 1024});
static_assert(fitted({100, 100, 300, 400}, {0, 30, 1280, 1024}) == screen_rect{100, 100, 300, 400});
