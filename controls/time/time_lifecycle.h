#pragma once
// Creation, destruction and focus of the time edit.

#include "controls/time/time_state.h"

namespace tw {

// WM_NCCREATE: allocates and fills the state (the current UTC time, border kind, seconds, the
// international settings, digit style); false, nothing kept, when memory is short.
bool TIME_NcCreate(HWND hwnd, const CREATESTRUCTA* create);
// WM_NCDESTROY: ends a running clock and frees the state.
void TIME_NcDestroy(TimeEditState& s);

// WM_SETFOCUS: focused text, caret, hour field selected (nothing when null), EN_SETFOCUS.
LRESULT TIME_SetFocus(TimeEditState& s);

extern const EditBehavior kTimeBehavior;

}  // namespace tw
