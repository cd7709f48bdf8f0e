#pragma once
// The popup's life between drop-down and close: showing a date, closing as a pick, cancelling.

#include "controls/calendar/calendar_state.h"

namespace tw {

// Takes the owning date edit (CCM_SETOWNER) and subclasses the children.
void SetPopupOwner(CalendarState* s, HWND owner);

// CCM_SHOWDATE: stores the date (WORD[3] month, day, year; today's date for null), shows it in
// the children and takes the mouse capture.
void ShowPopupDate(CalendarState* s, const WORD* monthDayYear);

// Closes a dropped popup as a pick: the owner gets the date and CCM_POPUPCLOSED. False when the
// calendar is no dropped popup.
bool PickAndClose(CalendarState* s);

// Closes a dropped popup without a pick; the owner gets WM_CANCELMODE.
bool CancelPopup(CalendarState* s);

}  // namespace tw
