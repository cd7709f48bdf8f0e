#include "controls/calendar/calendar_popup.h"

#include "controls/calendar/calendar_state.h"
#include "controls/calendar/popup_placement.h"

namespace tw {

namespace {

constexpr DWORD kPopupCalendarStyle = CCS_MONTH | CCS_YEARFIELD | CCS_MONTHSELECTOR;
constexpr int kInitialSize = 10;

ScreenRect WorkScreen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

HWND CreateCalendarPopup(HWND dateEdit, void* createParam) {
    if (!dateEdit || !IsWindow(dateEdit)) return nullptr;
    DWORD frame = RunningWindowsMajor() >= 4 ? WS_DLGFRAME : WS_BORDER;
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetClassLongPtrA(dateEdit, GCLP_HMODULE));
    HWND popup =
        CreateWindowExA(WS_EX_TOPMOST, TARN_CALENDAR_CLASS, "",
                        WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | frame | kPopupCalendarStyle,
                        0, 0, kInitialSize, kInitialSize, nullptr, nullptr, module, createParam);
    if (popup) SendMessageA(popup, CCM_SETOWNER, WPARAM(dateEdit), 0);
    return popup;
}

BOOL DropDownCalendarPopup(HWND popup, HWND dateEdit, WORD month, WORD day, WORD year) {
    if (!CalendarStateOf(popup) || !dateEdit || !IsWindow(dateEdit)) return FALSE;
    RECT edit, self;
    GetWindowRect(dateEdit, &edit);
    GetWindowRect(popup, &self);
    ScreenPoint at = PlaceDropDown({edit.left, edit.top, edit.right, edit.bottom},
                                   self.right - self.left, self.bottom - self.top, WorkScreen());
    SetWindowPos(popup, HWND_TOPMOST, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (HWND parent = GetParent(dateEdit))
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(ControlId(dateEdit), CCN_DROPDOWN),
                     reinterpret_cast<LPARAM>(dateEdit));
    WORD date[3] = {month, day, year};
    SendMessageA(popup, CCM_SHOWDATE, 0, reinterpret_cast<LPARAM>(date));
    SetFocus(popup);
    return TRUE;
}

}  // namespace tw
