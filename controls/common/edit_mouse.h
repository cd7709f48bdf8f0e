#pragma once
// Mouse handling of the edit controls: cursor, click, drag selection, double click.

#include "controls/common/edit_core.h"

namespace tw {

// WM_SETCURSOR: the I-beam over the text area (the arrow while read only), else the arrow;
// returns TRUE.
LRESULT EDIT_SetCursor(EditCore& core);

// WM_LBUTTONDOWN at client (x, y): unless read only, a click in the text area captures the
// mouse and takes the focus, or with the focus places the caret.
LRESULT EDIT_LeftButtonDown(EditCore& core, int x, int y);
// WM_MOUSEMOVE while tracking: the selection extends to whole fields.
LRESULT EDIT_MouseMove(EditCore& core, int x);
// WM_LBUTTONUP (also a cancelled mode): capture released, caret shown again.
LRESULT EDIT_LeftButtonUp(EditCore& core);
// WM_LBUTTONDBLCLK: unless read only, the field under the click is selected.
LRESULT EDIT_LeftButtonDblClk(EditCore& core, int x);

bool PointInTextArea(const EditCore& core, int x, int y);

}  // namespace tw
