#pragma once

#include <array>

// The main window as it was designed, in twips (1,440 to an inch), shared by
// every front end so that the numbers exist once.
namespace velmarin_design {

struct labelled_box {
    int label_top;
    const char *heading; // the label's text
    const char *initial; // the box's text until the first calculation
};

inline constexpr int client_width = 3495;
inline constexpr int client_height = 5220;
// Every label sits this far above its box; all share one column.
inline constexpr int left = 240;
inline constexpr int width = 3015;
inline constexpr int label_height = 255;
inline constexpr int box_below_label = 240;
inline constexpr int box_height = 375;

// Label1 and Text1 to Label6 and Text6, in tab order.
inline constexpr std::array<labelled_box, 6> boxes{{
    {120, "ENTER A DATE", "enter a date"},
    {840, "ENTER A DATE", "ENTER A DATE"},
    {1800, "DAYS DIFFERENCE", "days difference"},
    {2640, "WEEKS DIFFERENCE", "WEEKS DIFFERENCE"},
    {3480, "MONTHS DIFFERENCE", "MONTHS DIFFERENCE"},
    {4320, "YEARS DIFFERENCE", "YEARS DIFFERENCE"},
}};

// To the nearest pixel; at 96 dots per inch every length is a whole 15 twips.
constexpr int pixels(int twips, int dpi)
{
    return (twips * dpi + 720) / 1440;
}

} // namespace velmarin_design
