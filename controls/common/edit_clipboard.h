#pragma once
// Plain-text clipboard of the edit controls: WM_COPY, WM_CUT, WM_PASTE and WM_CLEAR (also the
// Ctrl and Shift editing keys), and typing a text in as if keyed.

#include "controls/common/edit_core.h"

namespace tw {

// Places the selection (or the one character at the selection start) on the clipboard.
LRESULT EDIT_Copy(const EditCore& core);

// Copies, then (with permission) deletes as the Delete key does.
LRESULT EDIT_Cut(EditCore& core);

// With permission: deletes as the Delete key does.
LRESULT EDIT_Clear(EditCore& core);

// With permission: deletes a selection, then types `text` character by character.
void TypeString(EditCore& core, const char* text);

// With permission: types the clipboard's text as TypeString does.
LRESULT EDIT_Paste(EditCore& core);

}  // namespace tw
