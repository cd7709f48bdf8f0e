#pragma once
// Display style, alignment, colours, border, sizes and the text limit of the numeric edit.

#include "controls/numedit/numedit_state.h"

namespace tw {

// nmSetDisplayStyle: 0 plain, 1 bitmap digits, 2 fixed cells (as dtSetDisplayStyle); the edit
// text is brought to the new style's form (integers for the bitmap digits). Returns 1.
int NUM_SetDisplayStyle(NumEditState& s, int style);
// nmSetAlignment: 1 centred, 2 right (style bits 0x0001, 0x0002), anything else left.
int NUM_SetAlignment(NumEditState& s, int alignment);
// nmSetColor: indexes 0, 1, 2, 4, 8; 0 for another index.
int NUM_SetColor(NumEditState& s, int index, DWORD color);
// nmSetBorderStyle: as dtSetBorderStyle, with the date edit's style bits.
int NUM_SetBorderStyle(NumEditState& s, int kind);
// nmGetMinWidth: 7/8 of the font height + the widest character + the border allowance.
int NUM_GetMinWidth(const NumEditState& s);

// EM_LIMITTEXT: 1..63; 0 (no limit asked) and larger values give 63.
LRESULT NUM_LimitText(NumEditState& s, WPARAM limit);
// EM_GETLIMITTEXT.
LRESULT NUM_GetLimitText(const NumEditState& s);

// WM_SIZE: the minimum size kept, the spin buttons follow the height.
LRESULT NUM_Size(NumEditState& s, int clientWidth, int clientHeight);

}  // namespace tw
