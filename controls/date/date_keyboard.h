#pragma once
// Keyboard of the date edit (WM_KEYDOWN and WM_SYSKEYDOWN).

#include "controls/date/date_state.h"

namespace tw {

// WM_KEYDOWN: handles the key; false when it goes to default processing.
bool DATE_KeyDown(DateEditState& s, UINT vk);

// WM_SYSKEYDOWN: as WM_KEYDOWN, with Alt taken from the key data's context bit as well.
bool DATE_SysKeyDown(DateEditState& s, UINT vk, LPARAM keyData);

}  // namespace tw
