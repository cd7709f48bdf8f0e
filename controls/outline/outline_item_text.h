#pragma once
// Texts, data and full paths of the outline list's items, and searching them.

#include <windows.h>

#include "controls/outline/outline_search.h"
#include "controls/outline/outline_state.h"

namespace tw {

// Copies at most size - 1 characters and a terminator; the text's whole length (a size of 0
// only asks for the length); -1 for no item or no buffer.
LRESULT OLB_GetText(const OutlineState& s, uint32_t slot, LPSTR buffer, long size);
LRESULT OLB_GetTextLength(const OutlineState& s, uint32_t slot);
// -1 in a list without strings, for no item or no text.
LRESULT OLB_SetItemText(OutlineState& s, uint32_t slot, LPCSTR text);
LRESULT OLB_GetItemData(const OutlineState& s, uint32_t slot);
LRESULT OLB_SetItemData(OutlineState& s, uint32_t slot, DWORD data);

// The full path, copied as OLB_GetText copies a text.
LRESULT OLB_GetFullPath(const OutlineState& s, uint32_t slot, LPSTR buffer, long size);
// The previous separator; -1 for the terminator or a value that is no character.
LRESULT OLB_SetPathSeparator(OutlineState& s, long separator);
LRESULT OLB_GetPathSeparator(const OutlineState& s);

// Among the siblings of `start` after it, wrapping round (the root: the top level from the
// first). kBadSlot when nothing matches.
uint32_t OLB_FindSibling(const OutlineState& s, uint32_t start, LPCSTR text, bool exact);
// Among the children of `parent` (the root: the top level) from the first.
uint32_t OLB_FindChild(const OutlineState& s, uint32_t parent, LPCSTR text, bool exact);

enum class SearchScope { Tree, Siblings, Rows };
// A prefix search from the item after (or before) `from` within the scope, wrapping round.
uint32_t OLB_FindFrom(const OutlineState& s, uint32_t from, LPCSTR text, SearchScope scope,
                      Direction direction);
// Over the rows after `startRow` (-1: from the first), as a list box searches; -1 or the row.
LRESULT OLB_FindRow(const OutlineState& s, long startRow, LPCSTR text, bool exact);

}  // namespace tw
