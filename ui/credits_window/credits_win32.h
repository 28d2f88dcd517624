#pragma once

#include <windows.h>

// The last window: shows the author and a picture, and ends the program at the
// first click, key or after five seconds.
namespace credits {

// Centred on the given monitor, with no owner: it outlives the main window.
void open(HINSTANCE instance, HMONITOR monitor);

} // namespace credits
