#pragma once
// Opening, closing and locking items of the outline list, by the client's functions and by
// the user (the notifications around a user's change, which the receiver may refuse).

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// 1 when the item changed, 0 when there was nothing to do (already so, no children, locked),
// -1 for no item.
LRESULT OLB_OpenItem(OutlineState& s, uint32_t slot);
LRESULT OLB_CloseItem(OutlineState& s, uint32_t slot);
// The item (the root: every top-level item) and all below it that is not locked.
LRESULT OLB_OpenAll(OutlineState& s, uint32_t slot);
// Closes every open top-level item.
LRESULT OLB_CloseAll(OutlineState& s);
LRESULT OLB_QueryOpen(const OutlineState& s, uint32_t slot);

// The previous state (1 locked), or -1.
LRESULT OLB_LockItem(OutlineState& s, uint32_t slot, bool lock);
LRESULT OLB_QueryLock(const OutlineState& s, uint32_t slot);

LRESULT OLB_SetAutoOpen(OutlineState& s, bool autoOpen);
LRESULT OLB_IsAutoOpen(const OutlineState& s);

// True for an item the user may open or close: it has children and is not locked.
bool UserMayToggle(const OutlineState& s, uint32_t slot);
// The user opens a closed item or closes an open one: the before-notification (refusable),
// the change, the after-notification and, with the notify style, the command code. False when
// the control went away meanwhile.
bool ToggleByUser(OutlineState& s, uint32_t slot, POINT point);
// The user asks for the item to be open (or closed); nothing when it already is.
bool SetOpenByUser(OutlineState& s, uint32_t slot, bool open, POINT point);

}  // namespace tw
