#pragma once
// The caret of the edit controls: created on focus, placed after every move, hidden while the
// mouse button is down or when it would leave the text area.

#include "controls/common/edit_core.h"

namespace tw {

// Creates a caret 2 pixels wide and one line high (no caret when `wanted` is false).
void CreateEditCaret(EditCore& core, bool wanted);
void DestroyEditCaret(EditCore& core);

// Moves the system caret to core.caret, scrolling the text when the caret moved left of the
// first visible character (EN_HSCROLL) and hiding it past the right edge (EN_MAXTEXT).
// Returns false when the control is gone: its parent may destroy it while handling the
// EN_HSCROLL or EN_MAXTEXT this sends, after which the state must not be touched.
bool PlaceCaret(EditCore& core);

void HideEditCaret(EditCore& core);
void ShowEditCaret(EditCore& core);

}  // namespace tw
