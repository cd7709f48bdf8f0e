#pragma once
// Creation, destruction, caption, font, enabling and redraw switching of the button.

#include "controls/button/button_state.h"

namespace tw {

// Allocates and fills the state; false (creation fails) when the allocation fails.
bool BTN_NcCreate(HWND hwnd, const CREATESTRUCTA* create);
// Kills the repeat timer, frees the strips and the state.
void BTN_NcDestroy(ButtonState& s);
// Stores the caption (cut to 255 characters) and repaints.
void BTN_SetText(ButtonState& s, const char* text);
LRESULT BTN_SetFont(ButtonState& s, HFONT font, bool redraw);
// The font, or null while it is the stock system font.
LRESULT BTN_GetFont(const ButtonState& s);
// WM_SETREDRAW: off sets the no-redraw style, on clears it and repaints.
LRESULT BTN_SetRedraw(ButtonState& s, bool redraw);
// 0x2013 for the default button, 0x2023 otherwise.
LRESULT BTN_GetDlgCode(const ButtonState& s);

}  // namespace tw
