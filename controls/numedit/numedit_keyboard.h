#pragma once
// Keys of the numeric edit (WM_KEYDOWN); characters arrive by WM_CHAR.

#include "controls/numedit/numedit_state.h"

namespace tw {

// WM_KEYDOWN: Tab, the caret and selection keys, Delete, Backspace, Ctrl+Insert (copy),
// Ctrl+Delete and the Shift combinations; each handled key ends with the change hook. False
// for keys of default processing (their characters come by WM_CHAR).
bool NUM_KeyDown(NumEditState& s, UINT vk);

}  // namespace tw
