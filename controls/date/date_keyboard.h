#pragma once
// Keyboard of the date edit (WM_KEYDOWN and WM_SYSKEYDOWN).

#include "controls/date/date_state.h"

namespace tw {

// Handles the key (`altDown` while Alt is held); false when it goes to default processing.
bool HandleDateKey(DateEditState& s, UINT vk, bool altDown);

}  // namespace tw
