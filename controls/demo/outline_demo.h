#pragma once
// The gallery's outline lists: a small hand-made tree with lines and pictures, and a
// directory tree of the gallery's own folder.

#include <windows.h>

namespace tw::demo {

// Adds the outline column at (x, y) with the given width and height.
void AddOutlineLists(HWND window, HFONT font, int x, int y, int width, int height);

}  // namespace tw::demo
