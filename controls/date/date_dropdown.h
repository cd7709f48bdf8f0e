#pragma once
// The date edit's drop-down calendar: the button, dropping down, and the two ways back.

#include "controls/date/date_state.h"

namespace tw {

// Rectangle of the drop-down button: the right 16 pixels of the client area.
RECT DropButtonRect(const DateEditState& s);

// Text-area reserve at the right while the button is shown (7/8 of the client height).
void UpdateButtonReserve(DateEditState& s);

// Drops the calendar down (button pressed; with permission the popup is shown under the
// control and gets the date and the focus). Returns 1 when it dropped down.
int DropDownDateCalendar(DateEditState& s);

// The calendar closed with a pick (0x593): popup hidden, button released, EN_CHANGE, focus.
void CalendarPicked(DateEditState& s);

// WM_CANCELMODE (also the calendar's cancel): capture and button released.
void CancelDateMode(DateEditState& s);

}  // namespace tw
