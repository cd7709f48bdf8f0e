#pragma once
// Painting of the numeric edit: the shared edit body (background, own border, the shown text)
// and the spin buttons with the arrows of bitmap 700.

#include "controls/common/edit_core.h"

namespace tw {

// The ClientPainter of the numeric edit.
void PaintNumEdit(EditCore& core, HDC dc, const RECT& client);

// WM_PRINT: the frame through default processing when asked (PRF_NONCLIENT), the client area
// at its place in the window (PRF_CLIENT).
LRESULT NUM_Print(EditCore& core, HDC dc, LPARAM flags);

}  // namespace tw
