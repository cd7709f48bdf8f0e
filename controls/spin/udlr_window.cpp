// TarnUDLRWinFn: the four-way spin's window procedure. Behind the exception barrier it fetches
// the state once (default processing while there is none) and hands each message to its
// handler.

#include <windowsx.h>

#include "controls/message_params.h"
#include "controls/spin/tarn32_spin.h"
#include "controls/spin/udlr_mouse.h"
#include "controls/spin/udlr_paint.h"
#include "controls/spin/udlr_state.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

LRESULT UDLR_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!UDLR_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    UdlrState* state = FetchUdlrState(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    UdlrState& s = *state;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);

    switch (msg) {
        // Lifetime, painting and size.
        case WM_NCDESTROY: UDLR_NcDestroy(s); break;
        case WM_ERASEBKGND: return 1;  // the picture covers the client area
        case WM_PAINT: return UDLR_Paint(s);
        case WM_PRINTCLIENT: return UDLR_PrintClient(s, HDC(wParam));
        case WM_SIZE: return UDLR_Size(s);
        case WM_ENABLE: return UDLR_Enable(s, wParam != 0);

        // Mouse.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: return UDLR_LeftButtonDown(s, x, y);
        case WM_MOUSEMOVE: return UDLR_MouseMove(s, x, y);
        case WM_LBUTTONUP: return UDLR_LeftButtonUp(s, x, y);
        case WM_TIMER:
            if (UDLR_Timer(s, UINT_PTR(wParam))) return 0;
            break;
        case WM_CAPTURECHANGED: return UDLR_CaptureChanged(s, HWND(lParam));
        case WM_CANCELMODE: return UDLR_CancelMode(s);
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnUDLRWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::UDLR_WindowProc(hwnd, msg, wParam, lParam); });
}
