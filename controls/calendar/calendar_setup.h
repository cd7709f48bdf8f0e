#pragma once
// Setting a calendar up: defaults at creation, the texts it shows, the short date format of
// the system settings, and the cell metrics that follow its font and size.

#include "controls/calendar/calendar_state.h"

namespace tw {

// Fills a new state: style and view, stock system font and its metrics, default colours,
// today's local date, month names, day letters and the short date format.
void InitCalendarState(CalendarState& s, HWND hwnd, DWORD style);

// Takes a new font (null: the stock system font) and recomputes the metrics.
void SetCalendarFont(CalendarState& s, HFONT font);

// Recomputes the cell metrics from the font (and, in the scaled style, the client size).
void UpdateCalendarMetrics(CalendarState& s);

// Resizes the window so its client area has the view's natural size; does nothing in the
// scaled style or when the size is already right.
void FitCalendarWindow(CalendarState& s);

// The view's size: natural, or the client size in the scaled style.
CalendarSize CalendarViewSize(const CalendarState& s);

// ccGetMinWidth and ccGetMinHeight: the view's size.
LONG CAL_GetMinWidth(const CalendarState& s);
LONG CAL_GetMinHeight(const CalendarState& s);

// ccSetMonthLiterals (0x1468): twelve zero-terminated names one after another (each cut to 59
// characters) replace the month names and the month selector's entries; repaints. 0, changing
// nothing, for a null list.
LONG CAL_SetMonthLiterals(CalendarState& s, const char* names);

// ccSetDOWLiterals (0x1469): seven day letters, Sunday first; repaints. 0, changing nothing,
// unless `letters` has exactly 7 characters.
LONG CAL_SetDOWLiterals(CalendarState& s, const char* letters);

}  // namespace tw
