#pragma once
// Changing the calendar's date and telling others about it.

#include "controls/calendar/calendar_state.h"

namespace tw {

// Stores the date unchecked, shows it in the children, repaints and reports the change.
void SetCalendarDate(CalendarState* s, int month, int day, int year);

// A month or year taken from a child: stored (the day is kept as it is), repainted, reported,
// handed to a popup's owner, and a popup takes its input back.
void ChangeDateFromChild(CalendarState* s, int month, int year);

// Reports a changed date: the change hook to the calendar itself, then, on a standalone
// calendar, WM_COMMAND code CCN_CHANGE to the parent.
void NotifyDateChanged(CalendarState* s);

// A standalone calendar's WM_COMMAND with `code` to its parent.
void NotifyParent(CalendarState* s, int code);

// Sends the owner of a popup dtSetDate with the calendar's date.
void SendDateToOwner(CalendarState* s);

// The date in the short date format (CC_DATESTRING_SIZE bytes at `buffer`).
void FormatCalendarDate(const CalendarState* s, char* buffer);

// Reads a date text in the short date format; false, changing nothing, for a null or empty text.
bool SetCalendarDateString(CalendarState* s, const char* text);

}  // namespace tw
