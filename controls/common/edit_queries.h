#pragma once
// Read-only answers both edits give the same way; each takes the control's state, null for a
// window without one.

#include "controls/common/edit_core.h"

namespace tw {

// The null flag: 1 while the control holds no value, and 1 without state.
int NullFlagOf(const EditCore* core);

// Copies the display string (at most 32 bytes with its terminator) into `buffer` and returns
// it; null without state or buffer.
LPSTR CopyDisplayString(const EditCore* core, LPSTR buffer);

}  // namespace tw
