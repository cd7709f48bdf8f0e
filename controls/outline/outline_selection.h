#pragma once
// Selection of the outline list: single and multiple selection by row as a list box offers
// it, the caret and the anchor, and the notifications around each change (the receiver may
// refuse that an item becomes selected).

#include <windows.h>

#include "controls/outline/outline_search.h"
#include "controls/outline/outline_state.h"

namespace tw {

// Selects or unselects one item with its notifications. False when the control went away.
bool SetItemSelected(OutlineState& s, uint32_t slot, bool selected, POINT point);
// Makes the item the only selected one (the root: none). False when the control went away.
bool SelectOnly(OutlineState& s, uint32_t slot, POINT point);
// Selects the rows from `first` to `last` (either order), and with `only` unselects the rest.
bool SelectRows(OutlineState& s, long first, long last, bool only, POINT point);
// Moves the caret (flag bit 2) to the item (the root: no caret), repainting both rows.
void MoveCaret(OutlineState& s, uint32_t slot);

// The selection functions of the list.
LRESULT OLB_SetCurSel(OutlineState& s, long row);
LRESULT OLB_GetCurSel(const OutlineState& s);
uint32_t OLB_GetCurSelItem(const OutlineState& s);  // the root when nothing is selected
LRESULT OLB_SetSel(OutlineState& s, bool select, long row);
LRESULT OLB_GetSel(const OutlineState& s, long row);
LRESULT OLB_GetSelCount(const OutlineState& s);
LRESULT OLB_GetSelItems(const OutlineState& s, long room, LONG* rows);
LRESULT OLB_SelItemRange(OutlineState& s, bool select, long first, long last);
// The next (or previous) selected item in tree order after `from` (the root: from the start);
// the root when there is none, kBadSlot for a bad start.
uint32_t OLB_GetNextSelected(const OutlineState& s, uint32_t from, Direction direction);
LRESULT OLB_SetCaretIndex(OutlineState& s, long row);
LRESULT OLB_GetCaretIndex(const OutlineState& s);
LRESULT OLB_SetAnchorIndex(OutlineState& s, long row);
LRESULT OLB_GetAnchorIndex(const OutlineState& s);
LRESULT OLB_SetNoHideSel(OutlineState& s, bool noHide);
// Finds a text among the siblings after `startRow` (-1: the top level) and selects that row.
LRESULT OLB_SelectString(OutlineState& s, long startRow, LPCSTR text);

}  // namespace tw
