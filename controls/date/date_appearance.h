#pragma once
// How the date edit looks: colours, display style, border, the drop-down button, its minimum
// size, the month and day names of its calendar, and the system's format after a settings
// change.

#include "controls/date/date_state.h"

namespace tw {

// dtSetColor (0x490, 0x49D, 0x49E): 0 for an unknown colour index.
int DATE_SetColor(DateEditState& s, int index, DWORD color);

// dtEnableErase (0x491): clears (nonzero) or sets the no-erase flag and style bit 0x0008.
int DATE_EnableErase(DateEditState& s, int enable);

// dtSetDisplayStyle (0x494): 0 plain, 1 bitmap digits, 2 fixed cells.
int DATE_SetDisplayStyle(DateEditState& s, int style);

// dtEnableCalendar (0x495): shows or hides the drop-down button (style bit 0x0004).
int DATE_EnableCalendar(DateEditState& s, int enable);

// dtSetBorderStyle (0x4A2) and dtSetButtonStyle (0x4A3, accepted and ignored).
int DATE_SetBorderStyle(DateEditState& s, int kind);
int DATE_SetButtonStyle(DateEditState& s, int style);

// dtGetMinWidth (0x49C): 7/8 of the font height, the widest character and the border.
int DATE_GetMinWidth(const DateEditState& s);

// dtSetMonthLiterals (0x4A0) and dtSetDayLiterals (0x4A1): replace the process-wide names and
// hand them to the control's calendar; 0 when they are not taken.
int DATE_SetMonthLiterals(DateEditState& s, LPCSTR names);
int DATE_SetDayLiterals(DateEditState& s, LPCSTR letters);

// dtSetButtonText: process-wide caption 0..2 of the calendar's buttons (no control needed);
// returns the caption, null for another index.
LPSTR DATE_SetButtonText(int index, LPCSTR text);

// WM_WININICHANGE: for the intl section (or all sections), the system's short date format
// again; repaints.
LRESULT DATE_SettingsChanged(DateEditState& s, const char* section);

}  // namespace tw
