#pragma once
// The font selector's size list: filling it and choosing and reading the size.

#include "controls/fontsel/fontsel_state.h"

namespace tw {

// Fills the size list with the table sizes ("%3i", the size as item data); selects 10 points.
void FS_FillSizes(FontSelState& s);
// Selects the table size nearest to `points`; 1.
LRESULT FS_SetFontPointSize(FontSelState& s, int points);
// The selected size in points; 10 without selection.
LRESULT FS_GetFontPointSize(const FontSelState& s);
// A positive height is a cell height (less the internal leading of a bold font of that height
// in the selected family, or Arial), a negative one a character height; selects the nearest
// size in points at the screen's resolution. 1.
LRESULT FS_SetFontSize(FontSelState& s, int height);
// The selected size as a character height at the screen's resolution.
LRESULT FS_GetFontSize(const FontSelState& s);

// Vertical pixels per inch of the screen.
int ScreenDpiY();

}  // namespace tw
