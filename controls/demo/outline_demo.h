#pragma once
// The gallery's outline lists: a small hand-made tree with lines and pictures, and a
// directory tree of the gallery's own folder, in a group under the numeric edits.

#include <windows.h>

namespace tw::demo {

// Adds the group of two lists beside the gauges, using `font` for every control.
void AddOutlineLists(HWND window, HFONT font);

}  // namespace tw::demo
