#pragma once

// Every position and size of the windows' designs is in twips, 1,440 to an inch.

// The designs are laid out for the platform's standard text. How large the desktop's text
// is against it: both heights in pixels at the same DPI, each program measuring them its own way.
struct text_size {
    int height = 1;
    int standard = 1;
};

// To the nearest pixel; at 96 dots per inch every designed length is a whole 15 twips. Larger
// text grows every length by the ratio of the two heights, so that the layout keeps its
// proportions and its texts their room; smaller text leaves the design as it is.
constexpr int pixels(int twips, int dpi, text_size text = {})
{
    const long long grown = text.height > text.standard ? text.height : text.standard;
    const long long whole = 1440LL * text.standard;
    return static_cast<int>((grown * twips * dpi + whole / 2) / whole);
}

static_assert(pixels(3495, 96) == 233 && pixels(8925, 96) == 595 && pixels(15, 144) == 2);
// Qt's 18-point text, 28 pixels high against its 9-point 14, doubles the window; 7 points keep it.
static_assert(pixels(3495, 96, {28, 14}) == 466 && pixels(3495, 96, {10, 14}) == 233);
