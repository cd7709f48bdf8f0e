#pragma once
// Keyboard of the time edit (WM_KEYDOWN).

#include "controls/time/time_state.h"

namespace tw {

// Handles the key; false when it goes to default processing.
bool HandleTimeKey(TimeEditState& s, UINT vk);

}  // namespace tw
