#pragma once

// Every position and size of the windows' designs is in twips, 1,440 to an inch.

// To the nearest pixel; at 96 dots per inch every designed length is a whole 15 twips.
constexpr int pixels(int twips, int dpi)
{
    return (twips * dpi + 720) / 1440;
}

static_assert(pixels(3495, 96) == 233 && pixels(8925, 96) == 595 && pixels(15, 144) == 2);
