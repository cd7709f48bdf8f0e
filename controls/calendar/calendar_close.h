#pragma once
// The popup's life between drop-down and close: showing a date, closing as a pick, cancelling.

#include "controls/calendar/calendar_state.h"

namespace tw {

// CCM_SETOWNER: takes the owning date edit and subclasses the children.
LRESULT CAL_SetOwner(CalendarState& s, HWND owner);

// CCM_SHOWDATE: stores the date (WORD[3] month, day, year; today's date for null), shows it in
// the children and takes the mouse capture.
LRESULT CAL_ShowDate(CalendarState& s, const WORD* monthDayYear);

// ccHideCalendar: closes a dropped popup as a pick; 0 when the calendar is no dropped popup.
LONG CAL_HideCalendar(CalendarState& s);

// WM_CANCELMODE: cancels a dropped popup.
LRESULT CAL_CancelMode(CalendarState& s);

// WM_ACTIVATEAPP: when another program comes to the front a dropped popup is cancelled, so
// that it does not stay on top.
void CAL_ActivateApp(CalendarState& s, bool active);

// Closes a dropped popup as a pick: the owner gets the date and CCM_POPUPCLOSED. False when the
// calendar is no dropped popup.
bool PickAndClose(CalendarState& s);

// Closes a dropped popup without a pick; the owner gets WM_CANCELMODE.
bool CancelPopup(CalendarState& s);

}  // namespace tw
