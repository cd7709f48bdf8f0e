#pragma once
// Painting of the date edit.

#include "controls/common/edit_core.h"

namespace tw {

// Paints the whole client area (background, border, text, drop-down button) into `dc`.
void PaintDateEdit(EditCore& core, HDC dc, const RECT& client);

}  // namespace tw
