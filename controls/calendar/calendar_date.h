#pragma once
// The calendar's date: as clients set and read it, changing it, and telling others about it.

#include "controls/calendar/calendar_state.h"

namespace tw {

// Stores the date unchecked, shows it in the children, repaints and reports the change.
void SetCalendarDate(CalendarState& s, int month, int day, int year);

// A month or year taken from a child: stored (the day is kept as it is), repainted, reported,
// handed to a popup's owner, and a popup takes its input back.
void ChangeDateFromChild(CalendarState& s, int month, int year);

// Reports a changed date: the change hook to the calendar itself, then, on a standalone
// calendar, WM_COMMAND code CCN_CHANGE to the parent.
void NotifyDateChanged(CalendarState& s);

// A standalone calendar's WM_COMMAND with `code` to its parent.
void NotifyParent(CalendarState& s, int code);

// Sends the owner of a popup dtSetDate with the calendar's date.
void SendDateToOwner(CalendarState& s);

enum class DatePart { Month, Day, Year };

// ccSetYear, ccSetMonth, ccSetDay (0x146B, 0x146D, 0x146F): one part stored unchecked (the
// others stay), shown, reported; returns 1.
LONG CAL_SetDatePart(CalendarState& s, DatePart part, LONG value);
// ccGetYear, ccGetMonth, ccGetDay (0x146C, 0x146E, 0x1470).
LONG CAL_GetDatePart(const CalendarState& s, DatePart part);

// ccSetDate and ccGetDate (0x1471, 0x1472): DWORD[3] month, day, year; 0 for a null pointer.
LONG CAL_SetDate(CalendarState& s, const DWORD* monthDayYear);
LONG CAL_GetDate(const CalendarState& s, DWORD* monthDayYear);

// ccSetDateString (0x1473): reads a date text in the short date format; 0, changing nothing,
// for a null or empty text.
LONG CAL_SetDateString(CalendarState& s, const char* text);

// ccGetDateString (0x1474): the date in the short date format (CC_DATESTRING_SIZE bytes at
// `buffer`); returns the buffer.
LPSTR CAL_GetDateString(const CalendarState& s, LPSTR buffer);

}  // namespace tw
