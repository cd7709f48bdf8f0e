#pragma once
// Creation, destruction, font, size, focus and redrawing switch of the outline list.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// Allocates and fills the state (false fails the creation).
bool OLB_NcCreate(HWND hwnd, const CREATESTRUCTA* create);
// Border kind from the styles, the pictures, and the row height of owner-draw lists.
LRESULT OLB_Create(OutlineState& s);
// Deletes every item as olbResetContent does, with its notifications.
LRESULT OLB_Destroy(OutlineState& s);
void OLB_NcDestroy(OutlineState& s);

LRESULT OLB_SetFont(OutlineState& s, HFONT font, bool redraw);
LRESULT OLB_Size(OutlineState& s);
LRESULT OLB_SetFocus(OutlineState& s);
LRESULT OLB_KillFocus(OutlineState& s);
LRESULT OLB_SetRedraw(OutlineState& s, bool redraw);

// The system colours have changed: repaint.
LRESULT OLB_SysColorChange(OutlineState& s);

// The pictures of the version in use (the dotted line pattern in compatibility mode).
void LoadOutlinePictures(OutlineState& s);

}  // namespace tw
