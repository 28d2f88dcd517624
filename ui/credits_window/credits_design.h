#pragma once

#include "ui/twips.h"

// The credits window as it was designed, read by both programs, their tests
// and the build, which cuts the Windows program's picture to it. Lengths are in twips.
namespace credits_design {

inline constexpr char caption[] = "program by Ferrowby";

// The picture, larger, is cut off at the right and the bottom.
inline constexpr int client_width = 8925;
inline constexpr int client_height = 7800;

// What a screen reader says of the picture, of which the window shows the top left.
inline constexpr char picture_name[] = "Moons over a lake at sunset";
inline constexpr char picture_description[] =
    "The phases of the moon arch across a starry evening sky above a calm lake, where a clock tower with lit "
    "windows stands on a small island and the sun sets behind purple hills.";

// Timer1: the window ends the program this long after it was loaded.
inline constexpr int timer_interval_ms = 5000;

} // namespace credits_design
