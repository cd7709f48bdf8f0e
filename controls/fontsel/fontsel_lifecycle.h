#pragma once
// Creation, destruction, sizing, font and focus of the font selector.

#include "controls/fontsel/fontsel_state.h"

namespace tw {

// Allocates and fills the state; false (creation fails) when the allocation fails.
bool FS_NcCreate(HWND hwnd);
// Creates the panel, enumerates the families and fills the sizes; -1 when the panel cannot be
// created.
LRESULT FS_Create(FontSelState& s);
// Frees the family table, the bitmaps, the brush and the state.
void FS_NcDestroy(FontSelState& s);
// Places the panel and the lists for the control's width and font.
LRESULT FS_Size(FontSelState& s);
// Gives both lists the font, item heights of a line and fields of a line + 4.
LRESULT FS_SetFont(FontSelState& s, HFONT font, bool redraw);
LRESULT FS_GetFont(const FontSelState& s);
// Sets the item height of both lists; 1, or 0 when a list refuses it.
LRESULT FS_SetItemHeight(FontSelState& s, int height);
LRESULT FS_SetFocus(FontSelState& s);

}  // namespace tw
