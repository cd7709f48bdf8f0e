#pragma once
// Colour indexes and display styles, as dtSetColor/tmSetColor and dtSetDisplayStyle/
// tmSetDisplayStyle take them; the disabled look.

#include "controls/common/edit_core.h"

namespace tw {

// The colour slot of index 2 background, 4 text, 0 highlight, 1 shadow, 8 face and, with
// `withButtonFace`, 16 button face; null for another index.
DWORD* ColorSlotForIndex(EditCore& core, int index, bool withButtonFace);

// Stores `color` in the slot of `index` and repaints; 0 for an unknown index, else 1.
int SetEditColor(EditCore& core, int index, DWORD color, bool withButtonFace);

// Sets the border kind (0..3, another value as 0) with the control's style bits, keeping the
// client size; returns 1.
struct BorderStyleBits;
int SetEditBorderKind(EditCore& core, int kind, const BorderStyleBits& bits);

// What a display style value outside 0..2 does.
enum class OtherStyle { KeepDigitStyle, ReleaseBitmaps };

// Style 0 plain, 1 bitmap digits, 2 fixed cells (window style bits 0x10 and 0x20 follow);
// another value clears both bits and does as `other` says. Repaints.
void ApplyDisplayStyle(EditCore& core, int style, OtherStyle other);

// WM_ENABLE: the text is drawn greyed while disabled; repaints.
LRESULT EDIT_Enable(EditCore& core, bool enabled);

}  // namespace tw
