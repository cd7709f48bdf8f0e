#pragma once
// The date edit's drop-down calendar: the button, dropping down, and the two ways back.

#include "controls/date/date_state.h"

namespace tw {

// Rectangle of the drop-down button: the right 16 pixels of the client area.
RECT DropButtonRect(const DateEditState& s);

// Text-area reserve at the right while the button is shown (7/8 of the client height).
void UpdateButtonReserve(DateEditState& s);

// WM_SIZE: the shared minimum size, then the button's reserve follows the new height.
LRESULT DATE_Size(DateEditState& s, int width, int height);

// WM_LBUTTONDOWN at client (x, y): the button drops the calendar down; elsewhere the shared
// click in the text.
LRESULT DATE_LeftButtonDown(DateEditState& s, int x, int y);

// dtDropDownCalendar: drops the calendar down (button pressed; with permission the popup is
// shown under the control and gets the date and the focus). Returns 1 when it dropped down.
int DATE_DropDownCalendar(DateEditState& s);

// 0x593, the calendar closed with a pick: popup hidden, button released, EN_CHANGE, focus.
LRESULT DATE_CalendarClosed(DateEditState& s);

// WM_CANCELMODE (also the calendar's cancel): capture and button released.
LRESULT DATE_CancelMode(DateEditState& s);

}  // namespace tw
