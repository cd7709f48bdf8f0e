#pragma once
// Colour indexes and display styles, as dtSetColor/tmSetColor and dtSetDisplayStyle/
// tmSetDisplayStyle take them.

#include "controls/common/edit_core.h"

namespace tw {

// The colour slot of index 2 background, 4 text, 0 highlight, 1 shadow, 8 face and, with
// `withButtonFace`, 16 button face; null for another index.
DWORD* ColorSlotForIndex(EditCore& core, int index, bool withButtonFace);

// What a display style value outside 0..2 does.
enum class OtherStyle { KeepDigitStyle, ReleaseBitmaps };

// Style 0 plain, 1 bitmap digits, 2 fixed cells (window style bits 0x10 and 0x20 follow);
// another value clears both bits and does as `other` says. Repaints.
void ApplyDisplayStyle(EditCore& core, int style, OtherStyle other);

}  // namespace tw
