#pragma once
// Where the characters of an edit text lie: the text area, character boundaries, hit tests.

#include "controls/common/edit_core.h"

namespace tw {

// The client area inset 4 pixels on the left (and by the control's own border), less the
// reserve at the right.
RECT TextArea(const EditCore& core);

// EM_GETRECT: the text area, stored where `rect` is not null.
LRESULT EDIT_GetRect(const EditCore& core, RECT* rect);

// Height of one line of text: the digit height in bitmap style, else the font's height.
int LineHeight(const EditCore& core);

// Width of one character cell in the fixed-cell and bitmap styles (the fixed cell is the
// widest character an edit shows).
int CellWidth(const EditCore& core);

// X of the boundary before character `index` of the shown text, from the text area's left
// edge, counted from the first visible character and moved by the control's alignment; `dc`
// has the control's font selected.
int BoundaryX(const EditCore& core, HDC dc, int index);

// The character boundary nearest to client x coordinate `x`.
int BoundaryNearest(const EditCore& core, int x);

// A screen DC with the control's font selected; release with ReleaseFontDC.
HDC AcquireFontDC(const EditCore& core, HGDIOBJ& previousFont);
void ReleaseFontDC(const EditCore& core, HDC dc, HGDIOBJ previousFont);

}  // namespace tw
