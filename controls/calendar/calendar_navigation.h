#pragma once
// How the calendar's keys and its month selector move the chosen date. Portable.

#include "controls/calendar/calendar_layout.h"
#include "controls/common/day_number.h"

namespace tw {

enum class CalendarMove { DayBack, DayForward, WeekBack, WeekForward, MonthBack, MonthForward };

// The date after the move. Days and weeks stay inside the month (a move that would leave it
// changes nothing); months stay inside the year and cut the day to the new month's length.
// A day in the 1752 gap or beyond the month's end is first brought to the nearest real day.
DayDate MoveCalendarDate(DayDate date, CalendarMove move);

// Months each month-selector entry stands for: 1 in the one-month view, 3 in the quarter
// views, 6 in the half-year view (0 in the full-year view, which has no selector).
int MonthsPerSelectorEntry(CalendarView view);

// Number of selector entries, and the month whose name entry `entry` shows.
int SelectorEntryCount(CalendarView view);
int SelectorEntryMonth(CalendarView view, int entry);

// The selector entry that holds `month`.
int SelectorEntryOfMonth(CalendarView view, int month);

// The month chosen with entry `entry` while `current` is shown: the month at the same
// position within the chosen quarter or half (the entry's month in the one-month view).
int MonthFromSelector(CalendarView view, int entry, int current);

}  // namespace tw
