#pragma once
// The calendar's keyboard and mouse.

#include "controls/calendar/calendar_state.h"

namespace tw {

// WM_KEYDOWN; true when the key was the calendar's.
bool OnCalendarKey(CalendarState* s, UINT key);

// WM_SYSKEYDOWN (Alt held); true when the key was the calendar's.
bool OnCalendarSysKey(CalendarState* s, UINT key);

// WM_LBUTTONDOWN at (x, y) in client coordinates (outside the client area while a popup holds
// the capture).
void OnCalendarClick(CalendarState* s, int x, int y, WPARAM keys);

}  // namespace tw
