#pragma once
// Changes of the outline list's structure: adding, inserting, deleting (with the deletion
// notifications), moving and copying items and subtrees.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// Adds an item under `parent` (the root for the top level) before its child at `position`
// (OLB_ATEND, a negative position or one past the last child adds at the end). `text` is the
// text, or in a list without strings the 32-bit value. The new slot, or kBadSlot.
uint32_t OLB_AddItem(OutlineState& s, uint32_t parent, long position, LPCSTR text);
// The same before the child `before` of `parent` (0: at the end).
uint32_t OLB_AddItemBefore(OutlineState& s, uint32_t parent, uint32_t before, LPCSTR text);

// Deletes the item with its subtree, or only its children; the root's children are every item.
// Each item is announced (-805, WM_DELETEITEM) before it goes. The rows left, or -1.
LRESULT OLB_DeleteItem(OutlineState& s, uint32_t slot);
LRESULT OLB_DeleteChildren(OutlineState& s, uint32_t slot);
LRESULT OLB_ResetContent(OutlineState& s);

// Moving and copying under `newParent` (the root: the top level), at the end of its children.
// A new parent inside the moved or copied subtree is refused. Items: the moved item or the copy
// (kBadSlot on failure); children: how many (-1 on failure).
uint32_t OLB_MoveItem(OutlineState& s, uint32_t slot, uint32_t newParent);
LRESULT OLB_MoveChildren(OutlineState& s, uint32_t slot, uint32_t newParent);
uint32_t OLB_CopyItem(OutlineState& s, uint32_t slot, uint32_t newParent);
LRESULT OLB_CopyChildren(OutlineState& s, uint32_t slot, uint32_t newParent);

}  // namespace tw
