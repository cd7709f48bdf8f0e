#pragma once
// Mouse handling of the edit controls: cursor, click, drag selection, double click.

#include "controls/common/edit_core.h"

namespace tw {

// WM_SETCURSOR: the I-beam over the text area (the arrow while read only), else the arrow.
void SetEditCursor(EditCore& core);

// Left button down at client (x, y) inside the text area.
void MouseDownInText(EditCore& core, int x);
// Mouse moved while tracking: the selection extends to whole fields.
void MouseDrag(EditCore& core, int x);
// Button released or mode cancelled: capture released, caret shown again.
void MouseRelease(EditCore& core);
// Double click: the field under the click is selected.
void MouseDoubleClick(EditCore& core, int x);

bool PointInTextArea(const EditCore& core, int x, int y);

}  // namespace tw
