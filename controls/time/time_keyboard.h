#pragma once
// Keyboard of the time edit.

#include "controls/time/time_state.h"

namespace tw {

// WM_KEYDOWN: handles the key; false when it goes to default processing.
bool TIME_KeyDown(TimeEditState& s, UINT vk);

}  // namespace tw
