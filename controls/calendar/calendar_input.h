#pragma once
// The calendar's keyboard and mouse.

#include "controls/calendar/calendar_state.h"

namespace tw {

// WM_GETDLGCODE: the arrows; a popup wants every key.
LRESULT CAL_GetDlgCode(const CalendarState& s);

// WM_KEYDOWN; true when the key was the calendar's.
bool CAL_KeyDown(CalendarState& s, UINT key);

// WM_SYSKEYDOWN (Alt held); true when the key was the calendar's.
bool CAL_SysKeyDown(CalendarState& s, UINT key);

// WM_LBUTTONDOWN at (x, y) in client coordinates (outside the client area while a popup holds
// the capture).
LRESULT CAL_LeftButtonDown(CalendarState& s, int x, int y, WPARAM keys);

}  // namespace tw
