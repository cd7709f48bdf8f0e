#pragma once
// Creation, destruction, size, font and focus of the calendar.

#include "controls/calendar/calendar_state.h"

namespace tw {

// WM_NCCREATE: allocates the zero-filled state, stores it in the window and fills it with the
// defaults; false, nothing kept, when memory is short.
bool CAL_NcCreate(HWND hwnd, const CREATESTRUCTA* create);

// WM_CREATE: creates the children the style asks for and fits the window to the view; -1 when
// a child could not be created.
LRESULT CAL_Create(CalendarState& s);

// WM_NCDESTROY: frees the state and what it owns, and clears the window's pointer.
void CAL_NcDestroy(CalendarState& s);

// WM_SIZE: the scaled style follows the new size; the one-month view keeps its natural size.
LRESULT CAL_Size(CalendarState& s);

// WM_SETFONT: the font (the stock system font for null) for the calendar and its children;
// metrics, children and window size follow; with `redraw`, repaints.
LRESULT CAL_SetFont(CalendarState& s, HFONT font, bool redraw);

// WM_SETFOCUS and WM_KILLFOCUS: repainted, and a standalone calendar tells its parent.
LRESULT CAL_SetFocus(CalendarState& s);
LRESULT CAL_KillFocus(CalendarState& s);

}  // namespace tw
