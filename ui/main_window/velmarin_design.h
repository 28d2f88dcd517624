#pragma once

#include "ui/twips.h"

#include <array>

// The main window as it was designed, read by both programs and their tests so
// that each fact stands once. Lengths are in twips.
namespace velmarin_design {

inline constexpr char caption[] = "DATE DIFFERENCE";

struct labelled_box {
    int label_top;
    const char *heading;     // the label's text
    const char *initial;     // the box's text until the first calculation; a result box's again after
                             // an Enter that calculates nothing
    const char *description; // what a screen reader adds to the heading, which both date boxes share
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
    {120, "ENTER A DATE", "enter a date", "first date"},
    {840, "ENTER A DATE", "ENTER A DATE", "second date"},
    {1800, "DAYS DIFFERENCE", "days difference", ""},
    {2640, "WEEKS DIFFERENCE", "WEEKS DIFFERENCE", ""},
    {3480, "MONTHS DIFFERENCE", "MONTHS DIFFERENCE", ""},
    {4320, "YEARS DIFFERENCE", "YEARS DIFFERENCE", ""},
}};

// A screen reader hears the results with the date box Enter moves the focus to, after that box's
// description: "first date. 65 days, 9 weeks, 2 months, 0 years difference". Each figure as its
// result box writes it, Text3 to Text6, then its unit, which takes an "s" unless the figure is 1 or -1.
inline constexpr std::array<const char *, 4> result_units{"day", "week", "month", "year"};
inline constexpr char results_end[] = " difference";

// Asked whenever the window is closed; Yes, the default, or No. Its title is the application's.
inline constexpr char quit_question[] = "Do you want to quit this program";

} // namespace velmarin_design
