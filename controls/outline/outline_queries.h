#pragma once
// Questions about the outline list's structure: levels, parents, children, visibility, walks
// over the tree and the rows, and the conversion between rows and handles.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// The walks of the Get...Ex functions.
enum class Walk {
    Parent,
    FirstChild,
    NextSibling,
    PreviousSibling,
    Next,
    Previous,
    NextVisible,
    PreviousVisible
};

// The item the walk reaches from `slot` (the root starts at the first or last item or row
// where the walk allows it); the root when there is none; kBadSlot for a bad start.
uint32_t OLB_Walk(const OutlineState& s, uint32_t slot, Walk walk);
// The child at `position` of `parent` (the root: the top level); the root when there is none.
uint32_t OLB_ChildAt(const OutlineState& s, uint32_t parent, long position);

LRESULT OLB_QueryLevel(const OutlineState& s, uint32_t slot);
// The row of the item's parent; -1 for a top-level item, a hidden parent or no item.
LRESULT OLB_QueryParent(const OutlineState& s, uint32_t slot);
LRESULT OLB_HasChildren(const OutlineState& s, uint32_t slot);  // the number of children
LRESULT OLB_QueryVisible(const OutlineState& s, uint32_t slot);
LRESULT OLB_HandleToIndex(const OutlineState& s, uint32_t slot);
LRESULT OLB_GetCount(const OutlineState& s);         // every item
LRESULT OLB_GetVisibleCount(const OutlineState& s);  // the rows

}  // namespace tw
