#pragma once
// Painting the calendar, double-buffered, and the colours it paints with.

#include "controls/calendar/calendar_state.h"

namespace tw {

// WM_PAINT: draws the whole client area in a memory bitmap and copies it to the screen.
LRESULT CAL_Paint(const CalendarState& s);

// WM_PRINTCLIENT: draws the client area into the caller's `dc`.
LRESULT CAL_PrintClient(const CalendarState& s, HDC dc);

// ccSetSundayColor .. ccSetBkHighlightColor (0x1475..0x147A): stores the colour, repaints;
// returns 1.
LONG CAL_SetColor(CalendarState& s, CalendarColor which, COLORREF color);

}  // namespace tw
