#pragma once
// Painting the calendar, double-buffered.

#include "controls/calendar/calendar_state.h"

namespace tw {

// WM_PAINT: draws the whole client area in a memory bitmap and copies it to the screen.
void PaintCalendar(CalendarState* s);

// Draws the calendar into `dc` (client coordinates); used by PaintCalendar and WM_PRINTCLIENT.
void DrawCalendar(CalendarState* s, HDC dc, const RECT& client);

}  // namespace tw
