#pragma once
// Colours of the font selector and the drawing of its family entries.

#include "controls/fontsel/fontsel_state.h"

namespace tw {

// Index 2 background, 4 text, 8 face; repaints. 1, or 0 for another index.
LRESULT FS_SetColor(FontSelState& s, int index, DWORD color);
// Message 0x400: the face colour as RGB.
LRESULT FS_FaceColor(const FontSelState& s);
// The lists' control-colour messages: text and background colours, the background brush.
LRESULT FS_ControlColor(FontSelState& s, HDC dc);
// Item height of the entries: the line height (for families at least the bitmaps' height).
LRESULT FS_MeasureItem(const FontSelState& s, MEASUREITEMSTRUCT* measure);
// An entry: for a family the bitmap of its kind and its name, for a size its text.
LRESULT FS_DrawItem(const FontSelState& s, const DRAWITEMSTRUCT* draw);

}  // namespace tw
