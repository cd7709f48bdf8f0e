#pragma once
// Plain-text clipboard of the edit controls.

#include "controls/common/edit_core.h"

namespace tw {

// Places the selection (or the one character at the selection start) on the clipboard.
bool CopySelection(const EditCore& core);

// Copies, then (with permission) deletes as the Delete key does.
void CutSelection(EditCore& core);

// With permission: deletes a selection, then types `text` character by character.
void TypeString(EditCore& core, const char* text);

// With permission: types the clipboard's text as TypeString does.
void PasteClipboard(EditCore& core);

}  // namespace tw
