#pragma once
// Caret and selection keys both edit controls share.

#include "controls/common/edit_core.h"

namespace tw {

// Keys that always go to default processing: Shift, Ctrl, Alt, Escape, Print Screen,
// Num Lock, Caps Lock.
bool IsPassThroughKey(UINT vk);

bool KeyIsDown(int vk);

// Tab: the focus moves to the next tab stop of the parent dialog (`previous`: Shift+Tab).
void FocusNextTabStop(HWND hwnd, bool previous);

// Caret one character left or right (beep at the text's ends); the current field follows.
void MoveCaretBy(EditCore& core, int delta);

// Home and End: caret and selection to `pos`, field `field` current.
void MoveCaretToField(EditCore& core, int pos, int field);

// Shift+Left / Shift+Right: the selection grows or shrinks by one character within the
// current field (beep at the field's edge).
void ExtendSelectionInField(EditCore& core, int delta);

// Shift+Home / Shift+End: selects from the anchor to the text's start or end.
void ExtendSelectionTo(EditCore& core, int pos);

// Shift with Left, Right, Home, End (selection), Insert (paste), Delete (cut) and
// Backspace (copy and delete); other keys do nothing.
void HandleShiftEditKey(EditCore& core, UINT vk);

// Digit of a main-row or keypad digit key, -1 for another key.
int DigitOfKey(UINT vk);

}  // namespace tw
