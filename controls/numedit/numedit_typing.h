#pragma once
// Typing into the numeric edit (WM_CHAR) and deleting from it (Delete, Backspace, WM_CLEAR).

#include "controls/numedit/numedit_state.h"

namespace tw {

// The gate of keys and characters: a read-only control or a refused permission beeps, Alt
// held takes nothing. True when the key or character may act.
bool MayEdit(NumEditState& s);

// WM_CHAR: Tab moves the focus; a read-only control or a refused permission beeps, Alt is
// ignored; an accepted character goes to the typing rules, then the change hook. False for the
// characters of default processing (Shift, Ctrl, Alt, Caps Lock, Escape).
bool NUM_Char(NumEditState& s, char c);

// One character as if keyed (paste, EM_REPLACESEL); permission was asked by the caller.
void TypeCharAsKeyed(NumEditState& s, char c);

// Delete, WM_CLEAR and cut: the selection, or the character at the caret.
void DeleteSelectionOrNext(NumEditState& s);
// Backspace: the selection, or the character before the caret.
void DeleteSelectionOrPrevious(NumEditState& s);

}  // namespace tw
