#pragma once
// Keys of the outline list: the parent's say with WM_VKEYTOITEM, caret moves with the
// selection following in single-selection mode (Shift extends it), Space in multiple-selection
// mode, opening and closing from the keyboard, and a first-letter search.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// True when the key was handled.
bool OLB_KeyDown(OutlineState& s, UINT key);
bool OLB_Char(OutlineState& s, char c);
LRESULT OLB_GetDlgCode(const OutlineState& s);

// Moves the caret to `row` as a key or the mouse does: in single-selection mode the selection
// follows (from the anchor with `extend`). False when the control went away.
bool MoveCaretByUser(OutlineState& s, long row, bool extend, POINT point);

}  // namespace tw
