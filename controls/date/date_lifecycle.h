#pragma once
// Creation, destruction and focus of the date edit.

#include "controls/date/date_state.h"

namespace tw {

// WM_NCCREATE: allocates and fills the state; false when memory is short.
bool CreateDateState(HWND hwnd, const CREATESTRUCTA* create);
// WM_NCDESTROY: frees the state with its blocks and bitmaps.
void DestroyDateState(HWND hwnd, DateEditState* s);

void DateGainedFocus(DateEditState& s);

// The behaviour hooks the shared edit machinery calls.
extern const EditBehavior kDateBehavior;

}  // namespace tw
