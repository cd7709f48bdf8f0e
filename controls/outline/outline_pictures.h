#pragma once
// The pictures and lines of an outline list's rows: olbPaintBitmap and olbPaintLines (also
// exported for owner-draw clients), the open/close box, and where a row's text begins.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// The x of the item's indent in a row: left + level * indent, one indent more when open/close
// boxes or lines are shown (the picture then sits right of the lines' band).
int IndentedX(const OutlineState& s, uint32_t slot, const RECT& row);
// Where the text of the item's row begins: right of its picture when pictures are enabled.
int TextStartX(const OutlineState& s, uint32_t slot, const RECT& row);

// Draws the item's picture and gives the x at which its text begins; -1 for no item.
LRESULT OLB_PaintBitmap(const OutlineState& s, HDC dc, uint32_t slot, const RECT* row);
// Draws the lines of the item's row (and its open/close box with micro bitmaps); -1 for no item.
LRESULT OLB_PaintLines(const OutlineState& s, HDC dc, uint32_t slot, const RECT* row);
// The open/close box of an item with children, at left + level * indent + 2.
void DrawOpenCloseBox(const OutlineState& s, HDC dc, uint32_t slot, const RECT& row);

}  // namespace tw
