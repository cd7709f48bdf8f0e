#pragma once
// The outline list's notifications: WM_NOTIFY records about an item, WM_COMMAND codes and
// WM_DELETEITEM, sent to the parent or, in component-host mode, to the control itself. The
// receiver may destroy the control or delete items while it handles them: every sender says
// whether the control is still alive, and the caller stops when it is not and checks its items
// again when it is.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

struct NotifyOutcome {
    bool alive;    // the control still exists
    bool allowed;  // the receiver left the allow flag set
};

// WM_NOTIFY `code` about the item in `slot`, with its flags before and after a change.
NotifyOutcome NotifyItem(OutlineState& s, int code, uint32_t slot, WORD oldFlags, WORD newFlags,
                         POINT point);
// The same for an event that changes nothing (click, double click, deletion).
NotifyOutcome NotifyEvent(OutlineState& s, int code, uint32_t slot, POINT point);

// WM_COMMAND with `code`, only with the notify style. True while the control is alive.
bool NotifyCommand(OutlineState& s, WORD code);

// Before an item is freed: -805, then WM_DELETEITEM in owner-draw lists without strings.
// True while the control is alive.
bool NotifyDeletion(OutlineState& s, uint32_t slot);

// The identifier of the control.
int OutlineId(const OutlineState& s);

}  // namespace tw
