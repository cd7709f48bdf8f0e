#pragma once
// The standard edit and window messages both edit controls answer the same way.

#include "controls/common/edit_core.h"

namespace tw {

// Handles `msg` when it is one of the shared messages; returns false (result untouched) for
// the others.
bool HandleSharedEditMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam,
                             LRESULT& result);

}  // namespace tw
