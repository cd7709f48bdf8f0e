#pragma once
// The date edit's drop-down calendar: creation at the date edit's WM_CREATE and the drop-down.
//
// How the result comes back to the date edit (its window procedure handles these):
// - pick (a click on a day, Enter, Alt+Up, ccHideCalendar): the popup sends the date edit
//   CCM_OWNERSETDATE (0x48F, dtSetDate) with lParam -> WORD[3] month, day, year, then posts it
//   CCM_POPUPCLOSED (0x593). The date edit then hides the popup (it is already hidden), releases
//   its button, repaints, sends EN_CHANGE to its parent and takes the focus back.
// - cancel (Tab, Escape, a click outside): the popup sends the date edit WM_CANCELMODE, which
//   releases the date edit's capture and button. A month or year already changed in the popup's
//   selector has reached the date edit through CCM_OWNERSETDATE and stays.
// - both ways the popup sends the date edit's parent WM_COMMAND(id, CCN_CLOSEUP 0x0102) with
//   the date edit's identifier and handle, gives the focus to the date edit, hides itself and
//   enables the date edit.

#include <windows.h>

#include "controls/calendar/tarn32_calendar.h"

namespace tw {

// Creates the hidden popup calendar of `dateEdit`: a top-most popup of class TarnCalctl32 with
// a single border (a dialog frame on Windows 4 and later), one-month view with year field and
// month selector, no owner window, `createParam` as its creation parameter; then tells it its
// owner (CCM_SETOWNER). Returns the popup or null when it could not be created.
HWND CreateCalendarPopup(HWND dateEdit, void* createParam);

// Drops the popup down under `dateEdit` showing month/day/year (pass the date edit's date, or
// today's when a field is empty or zero): places it at the date edit's bottom-left corner, kept
// on the screen (above the edit when there is no room below), shows it without activation,
// sends the date edit's parent WM_COMMAND(id, CCN_DROPDOWN 0x0103), hands it the date
// (CCM_SHOWDATE) and gives it the focus. The caller asks permission and draws its button
// pressed before. Returns FALSE for a null or destroyed window.
BOOL DropDownCalendarPopup(HWND popup, HWND dateEdit, WORD month, WORD day, WORD year);

}  // namespace tw
