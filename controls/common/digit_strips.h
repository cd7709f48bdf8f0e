#pragma once
// The digit-strip bitmaps of the bitmap display style: which of the four sizes a font asks
// for, loading the three strips (normal, selected, disabled) of a size, and releasing them.

#include "controls/common/edit_core.h"

namespace tw {

// Strip size 0..3 for a font height: one and a half times the height below 19 gives the
// smallest, below 22 the second, above 25 the largest, otherwise the third.
int StripSizeForFontHeight(int fontHeight);

// Loads the strips of `size` (replacing loaded ones) and sets the digit cell; false when a
// bitmap is missing (no strips are kept then).
bool LoadDigitStrips(EditCore& core, int size);
void FreeDigitStrips(EditCore& core);

// Draws `text` from the strip `kind` at (x, y), one cell per character.
void DrawStripText(const EditCore& core, HDC dc, int x, int y, const char* text, int count,
                   StripKind kind);

}  // namespace tw
