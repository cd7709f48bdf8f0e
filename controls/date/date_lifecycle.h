#pragma once
// Creation, destruction and focus of the date edit.

#include "controls/date/date_state.h"

namespace tw {

// WM_NCCREATE: allocates and fills the state (today's date, border kind, button face, the
// system's short date format, digit style); false, nothing kept, when memory is short.
bool DATE_NcCreate(HWND hwnd, const CREATESTRUCTA* create);
// WM_CREATE: creates the hidden drop-down calendar.
LRESULT DATE_Create(DateEditState& s);
// WM_DESTROY: destroys the drop-down calendar.
LRESULT DATE_Destroy(DateEditState& s);
// WM_NCDESTROY: frees the state with its blocks and bitmaps.
void DATE_NcDestroy(DateEditState& s);

// WM_SETFOCUS: hides a dropped calendar, focused text, caret, whole text selected (unless read
// only), EN_SETFOCUS.
LRESULT DATE_SetFocus(DateEditState& s);

// The behaviour hooks the shared edit machinery calls.
extern const EditBehavior kDateBehavior;

}  // namespace tw
