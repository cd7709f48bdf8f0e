#pragma once
// The calendar's child controls: the year field with its up-down spin and the month selector;
// creating them, keeping them in step with the date, and taking the user's changes from them.

#include "controls/calendar/calendar_state.h"

namespace tw {

// Creates the children the style asks for (none in the display-only style). False when a
// child that was asked for could not be created.
bool CreateCalendarChildren(CalendarState& s);

// Shows the calendar's year and month in its children (without reacting to the change).
void ShowDateInChildren(CalendarState& s);

// Fills the month selector with the names its entries stand for and selects the month.
void FillMonthSelector(CalendarState& s);

// Gives the children the calendar's font.
void SetChildrenFont(CalendarState& s);

// Places the children for the current cell metrics (after a change of font).
void LayoutCalendarChildren(CalendarState& s);

// WM_COMMAND from a child; true when it was one the calendar handles.
bool CAL_Command(CalendarState& s, int id, int code);

// WM_VSCROLL from the year spin: when it lets go, a popup takes its input back.
LRESULT CAL_VScroll(CalendarState& s, int code);

// A popup takes the mouse capture (and, unless the year field is being typed in, the focus)
// back from a child.
void TakeBackInput(CalendarState& s);

// Subclasses the children of a popup with ComboMonthWndProc and EditYearWndProc.
void SubclassPopupChildren(CalendarState& s);

}  // namespace tw
