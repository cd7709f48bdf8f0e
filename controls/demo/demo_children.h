#pragma once
// Child windows of the gallery: one control or label at a place, in the gallery's font.

#include <windows.h>

namespace tw::demo {

// Creates a visible child of `window` of `className` with `text` and `style` at (x, y).
HWND AddChild(HWND window, HFONT font, const char* className, const char* text, DWORD style, int x,
              int y, int width, int height);

}  // namespace tw::demo
