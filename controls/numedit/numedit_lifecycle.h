#pragma once
// Creation, destruction and focus of the numeric edit, and the hooks through which the shared
// edit machinery reaches its rules.

#include "controls/numedit/numedit_state.h"

namespace tw {

// WM_NCCREATE: allocates and fills the state (the window text or "0", null when the window
// text is empty; styles, border kind, the system's number settings, the spin bitmap); false,
// nothing kept, when memory is short.
bool NUM_NcCreate(HWND hwnd, const CREATESTRUCTA* create);
// WM_NCDESTROY: stops a held spin, frees the state with its blocks and bitmaps.
void NUM_NcDestroy(NumEditState& s);

// WM_SETFOCUS: edit form shown, whole text selected (unless read only or null), caret,
// EN_SETFOCUS.
LRESULT NUM_SetFocus(NumEditState& s);

extern const EditBehavior kNumBehavior;

}  // namespace tw
