// Stand-in for the calendar's window procedure while the calendar family is not in the tree;
// the build leaves this file out as soon as calendar/ holds sources of its own.

#include "controls/window_procs.h"

extern "C" LRESULT CALLBACK TarnCalctlWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

#include "controls/calendar/calendar_popup.h"

namespace tw {

HWND CreateCalendarPopup(HWND dateEdit, void* createParam)
{
    HWND popup = CreateWindowExA(WS_EX_TOPMOST, "TarnCalctl32", "",
                                 WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER, 0, 0,
                                 10, 10, nullptr, nullptr, GetModuleHandleA("tarn32.dll"),
                                 createParam);
    if (popup)
        SendMessageA(popup, CCM_SETOWNER, reinterpret_cast<WPARAM>(dateEdit), 0);
    return popup;
}

BOOL DropDownCalendarPopup(HWND popup, HWND dateEdit, WORD month, WORD day, WORD year)
{
    if (!IsWindow(popup) || !IsWindow(dateEdit))
        return FALSE;
    RECT edit;
    GetWindowRect(dateEdit, &edit);
    SetWindowPos(popup, HWND_TOPMOST, edit.left, edit.bottom + 1, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const WORD id = static_cast<WORD>(GetWindowLongPtrA(dateEdit, GWLP_ID));
    SendMessageA(GetParent(dateEdit), WM_COMMAND, MAKEWPARAM(id, CCN_DROPDOWN),
                 reinterpret_cast<LPARAM>(dateEdit));
    WORD date[3] = {month, day, year};
    SendMessageA(popup, CCM_SHOWDATE, 0, reinterpret_cast<LPARAM>(date));
    SetFocus(popup);
    return TRUE;
}

}  // namespace tw
