#pragma once
// The gallery's row of buttons, font selector and combo box.

#include <windows.h>

namespace tw::demo {

// Adds a group of sample buttons, a font selector and a combo box below the other samples of
// `window`, which grows to show them.
void AddButtonsAndSelectors(HWND window, HFONT font);

}  // namespace tw::demo
