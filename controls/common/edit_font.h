#pragma once
// Font and size rules of the edit controls: metrics and the minimum client size.

#include "controls/common/edit_core.h"

namespace tw {

// Takes `font` (the stock system font for null) and reads its metrics.
void TakeFont(EditCore& core, HFONT font);

// WM_SETFONT: takes the font, remakes a shown caret, keeps the minimum size and, with
// `redraw`, repaints.
LRESULT EDIT_SetFont(EditCore& core, HFONT font, bool redraw);

// Enlarges a client area below the font height by the widest character + 16 (in fixed cells
// rounded up to whole cells of the widest width + 2); true when the size was kept.
bool KeepMinimumSize(EditCore& core, int clientWidth, int clientHeight);

// WM_SIZE: keeps the minimum size.
LRESULT EDIT_Size(EditCore& core, int clientWidth, int clientHeight);

// Sets the display style from bits 0x20 (fixed cells) and 0x10 (bitmap digits).
void TakeDigitStyleFromBits(EditCore& core, DWORD style);

}  // namespace tw
