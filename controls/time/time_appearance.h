#pragma once
// How the time edit looks: display style, colours, border, its minimum size, and the
// international settings after a settings change.

#include "controls/time/time_state.h"

namespace tw {

// tmSetDisplayStyle (0x494): 0 plain, 1 bitmap digits, 2 fixed cells; another value releases
// the digit bitmaps.
int TIME_SetDisplayStyle(TimeEditState& s, int style);

// tmSetColor (0x49D, 0x49E): 0 for an unknown colour index.
int TIME_SetColor(TimeEditState& s, int index, DWORD color);

// tmSetBorderStyle.
int TIME_SetBorderStyle(TimeEditState& s, int kind);

// tmGetMinWidth (0x49C): three times the widest character and the border.
int TIME_GetMinWidth(const TimeEditState& s);

// WM_WININICHANGE: for the intl section (or all sections), the international time settings
// again; repaints.
LRESULT TIME_SettingsChanged(TimeEditState& s, const char* section);

}  // namespace tw
