// TarnDialWinFn: the dial's window procedure. Behind the exception barrier it fetches the state
// once (default processing while there is none) and hands each message to its handler.

#include <windowsx.h>

#include "controls/dial/dial_keyboard.h"
#include "controls/dial/dial_mouse.h"
#include "controls/dial/dial_paint.h"
#include "controls/dial/dial_state.h"
#include "controls/dial/tarn32_dial.h"
#include "controls/message_params.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

LRESULT DIAL_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!DIAL_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    DialState* state = FetchDialState(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    DialState& s = *state;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);

    switch (msg) {
        // Lifetime, painting and focus.
        case WM_NCDESTROY: DIAL_NcDestroy(s); break;
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_PAINT: return DIAL_Paint(s);
        case WM_PRINTCLIENT: return DIAL_PrintClient(s, HDC(wParam));
        case WM_SETFOCUS: return DIAL_Focus(s, true);
        case WM_KILLFOCUS: return DIAL_Focus(s, false);
        case WM_ENABLE: return DIAL_Enable(s, wParam != 0);
        case WM_GETDLGCODE: return DIAL_DLGCODE;

        // Keyboard and mouse.
        case WM_KEYDOWN:
            if (DIAL_KeyDown(s, UINT(wParam))) return 0;
            break;
        case WM_CHAR:
            if (DIAL_Char(s, char(wParam))) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: return DIAL_LeftButtonDown(s, x, y);
        case WM_MOUSEMOVE: return DIAL_MouseMove(s, x, y);
        case WM_LBUTTONUP:
        case WM_CANCELMODE: return DIAL_EndPress(s);
        case WM_TIMER:
            if (DIAL_Timer(s, UINT_PTR(wParam))) return 0;
            break;
        case WM_CAPTURECHANGED: return DIAL_CaptureChanged(s, HWND(lParam));
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnDialWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::DIAL_WindowProc(hwnd, msg, wParam, lParam); });
}
