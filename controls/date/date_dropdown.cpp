// Drop-down button and calendar popup of the date edit (see date_dropdown.h).

#include "controls/date/date_dropdown.h"

#include "controls/borders.h"
#include "controls/calendar/calendar_popup.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_mouse.h"
#include "controls/common/edit_notify.h"
#include "controls/date/date_rules.h"

namespace tw {
namespace {

bool HasRealDate(const DateEditState& s) {
    return s.month && s.day && s.year && s.month != kEmptyField && s.day != kEmptyField &&
           s.year != kEmptyField;
}

void SetButtonPressed(DateEditState& s, bool pressed) {
    s.buttonPressed = pressed;
    RECT button = DropButtonRect(s);
    InvalidateRect(s.core.hwnd, &button, FALSE);
    UpdateWindow(s.core.hwnd);
}

}  // namespace

RECT DropButtonRect(const DateEditState& s) {
    RECT client;
    GetClientRect(s.core.hwnd, &client);
    const int inset = OwnBorderInset(static_cast<int>(s.core.borderKind));
    InflateRect(&client, -inset, -inset);
    client.left = client.right - kDropButtonWidth;
    return client;
}

void UpdateButtonReserve(DateEditState& s) {
    RECT client;
    GetClientRect(s.core.hwnd, &client);
    s.core.rightReserve = s.calendarButton ? client.bottom * 7 / 8 : 0;
    if (s.calendarButton && s.core.rightReserve < kDropButtonWidth)
        s.core.rightReserve = kDropButtonWidth;
}

LRESULT DATE_Size(DateEditState& s, int width, int height) {
    EDIT_Size(s.core, width, height);
    UpdateButtonReserve(s);
    return 0;
}

LRESULT DATE_LeftButtonDown(DateEditState& s, int x, int y) {
    const RECT button = DropButtonRect(s);
    const POINT point = {x, y};
    if (s.calendarButton && PtInRect(&button, point)) {
        DATE_DropDownCalendar(s);
        return 0;
    }
    return EDIT_LeftButtonDown(s.core, x, y);
}

int DATE_DropDownCalendar(DateEditState& s) {
    HWND hwnd = s.core.hwnd;
    if (!s.calendar || !IsWindow(s.calendar)) return 0;
    SetButtonPressed(s, true);
    if (!ChangePermitted(hwnd)) {
        // Nothing drops down, so the button must not stay pressed.
        SetButtonPressed(s, false);
        SetFocus(hwnd);
        return 0;
    }
    WORD month = s.month;
    WORD day = s.day;
    WORD year = s.year;
    if (!HasRealDate(s)) TodayUtc(month, day, year);
    return DropDownCalendarPopup(s.calendar, hwnd, month, day, year) ? 1 : 0;
}

LRESULT DATE_CalendarClosed(DateEditState& s) {
    HWND hwnd = s.core.hwnd;
    if (s.calendar && IsWindowVisible(s.calendar)) ShowWindow(s.calendar, SW_HIDE);
    SetButtonPressed(s, false);
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyParent(hwnd, EN_CHANGE);
    if (EditStillAlive(hwnd, &s.core)) SetFocus(hwnd);
    return 0;
}

LRESULT DATE_CancelMode(DateEditState& s) {
    EDIT_LeftButtonUp(s.core);
    if (s.buttonPressed) SetButtonPressed(s, false);
    return 0;
}

}  // namespace tw
