// TarnHierListWinFn: the outline list's window procedure. Behind the exception barrier it
// fetches the state once (default processing while there is none) and hands each message to
// its handler; the private and list-box messages go to their own dispatchers.

#include <windowsx.h>

#include "controls/message_params.h"
#include "controls/outline/outline_keyboard.h"
#include "controls/outline/outline_lifecycle.h"
#include "controls/outline/outline_messages.h"
#include "controls/outline/outline_mouse.h"
#include "controls/outline/outline_paint.h"
#include "controls/outline/outline_view.h"
#include "controls/window_procs.h"
#include "framework/win32/window_barrier.h"

namespace tw {

namespace {

LRESULT OLB_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!OLB_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    OutlineState* state = OutlineStateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    OutlineState& s = *state;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    LRESULT result = 0;

    switch (msg) {
        // Lifetime, painting and focus.
        case WM_CREATE: return OLB_Create(s);
        case WM_DESTROY: return OLB_Destroy(s);
        case WM_NCDESTROY: OLB_NcDestroy(s); break;
        case WM_PAINT: return OLB_Paint(s);
        case WM_PRINTCLIENT: return OLB_PrintClient(s, HDC(wParam));
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_SIZE: return OLB_Size(s);
        case WM_SETFONT: return OLB_SetFont(s, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
        case WM_SETFOCUS: return OLB_SetFocus(s);
        case WM_KILLFOCUS: return OLB_KillFocus(s);
        case WM_SETREDRAW: return OLB_SetRedraw(s, wParam != 0);
        case WM_SYSCOLORCHANGE: return OLB_SysColorChange(s);
        case WM_VSCROLL: return OLB_VScroll(s, LOWORD(wParam));
        case WM_HSCROLL: return OLB_HScroll(s, LOWORD(wParam));
        case WM_MOUSEWHEEL: return OLB_MouseWheel(s, GET_WHEEL_DELTA_WPARAM(wParam));

        // Keyboard and mouse.
        case WM_GETDLGCODE: return OLB_GetDlgCode(s);
        case WM_KEYDOWN:
            if (OLB_KeyDown(s, UINT(wParam))) return 0;
            break;
        case WM_CHAR:
            if (OLB_Char(s, char(wParam))) return 0;
            break;
        case WM_LBUTTONDOWN: return OLB_LeftButtonDown(s, x, y, wParam);
        case WM_LBUTTONDBLCLK: return OLB_LeftButtonDoubleClick(s, x, y, wParam);
        case WM_MOUSEMOVE: return OLB_MouseMove(s, x, y);
        case WM_LBUTTONUP: return OLB_LeftButtonUp(s);
        case WM_CAPTURECHANGED:
            if (HWND(lParam) != hwnd) OLB_CancelMode(s);
            return 0;
        case WM_CANCELMODE: return OLB_CancelMode(s);
        case WM_TIMER:
            if (wParam != OLB_SCROLL_TIMER) break;
            OLB_ScrollTick(s);
            return 0;

        default:
            if (OLB_PrivateMessage(s, msg, wParam, lParam, result)) return result;
            if (OLB_ListBoxMessage(s, msg, wParam, lParam, result)) return result;
            break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

}  // namespace tw

extern "C" LRESULT CALLBACK TarnHierListWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, OLB_ERR,
                                    [=] { return tw::OLB_WindowProc(hwnd, msg, wParam, lParam); });
}
