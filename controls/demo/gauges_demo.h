#pragma once
// The gallery's gauges: percent bars, dials and four-way spins in a group below the edits.

#include <windows.h>

namespace tw::demo {

// Adds the group to `window` (growing the window to hold it), using `font` for every control.
void AddGauges(HWND window, HFONT font);

}  // namespace tw::demo
