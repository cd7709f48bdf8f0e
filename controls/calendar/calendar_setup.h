#pragma once
// Setting a calendar up: defaults at creation, the texts it shows, the short date format of
// the system settings, and the cell metrics that follow its font and size.

#include "controls/calendar/calendar_state.h"

namespace tw {

// Fills a new state: style and view, stock system font and its metrics, default colours,
// today's local date, month names, day letters and the short date format.
void InitCalendarState(CalendarState* s, HWND hwnd, DWORD style);

// Takes a new font (null: the stock system font) and recomputes the metrics.
void SetCalendarFont(CalendarState* s, HFONT font);

// Recomputes the cell metrics from the font (and, in the scaled style, the client size).
void UpdateCalendarMetrics(CalendarState* s);

// Resizes the window so its client area has the view's natural size; does nothing in the
// scaled style or when the size is already right.
void FitCalendarWindow(CalendarState* s);

// The view's size: natural, or the client size in the scaled style.
CalendarSize CalendarViewSize(const CalendarState* s);

// Replaces the month names from twelve zero-terminated names one after another (each cut to
// 59 characters). Returns false, changing nothing, for a null list.
bool TakeMonthNames(CalendarState* s, const char* names);

// Takes seven day letters; false, changing nothing, unless `letters` has exactly 7 characters.
bool TakeDayLetters(CalendarState* s, const char* letters);

}  // namespace tw
