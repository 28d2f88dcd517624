#pragma once

// The application's title: its name to the desktop, and the caption of a
// message box that is given none of its own.
namespace application {
inline constexpr char title[] = "orvandel";
}
