// TarnButtonWinFn: the button's window procedure. Behind the exception barrier it fetches the
// state once (default processing while there is none) and hands each message to its handler.

#include "controls/button/button_lifecycle.h"
#include "controls/button/button_paint.h"
#include "controls/button/button_pictures.h"
#include "controls/button/button_press.h"
#include "controls/button/button_state.h"
#include "controls/button/tarn32_button.h"
#include "controls/message_params.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

POINT PointParam(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }

LRESULT BTN_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!BTN_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ButtonState* state = ButtonStateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    ButtonState& s = *state;

    switch (msg) {
        // Lifetime, text, font and painting.
        case WM_NCDESTROY: BTN_NcDestroy(s); break;
        case WM_SETTEXT: BTN_SetText(s, PointerParam<const char>(lParam)); break;
        case WM_SETFONT: return BTN_SetFont(s, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return BTN_GetFont(s);
        case WM_SETREDRAW: return BTN_SetRedraw(s, wParam != 0);
        case WM_ENABLE: return BTN_Enable(s, wParam != 0);
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_PAINT: return BTN_Paint(s);
        case WM_PRINTCLIENT: return BTN_PrintClient(s, HDC(wParam));

        // Mouse, keyboard, focus and timers.
        case WM_GETDLGCODE: return BTN_GetDlgCode(s);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: return BTN_LeftButtonDown(s, PointParam(lParam));
        case WM_MOUSEMOVE: return BTN_MouseMove(s, PointParam(lParam));
        case WM_LBUTTONUP: return BTN_LeftButtonUp(s);
        case WM_CANCELMODE: return BTN_CancelMode(s);
        case WM_CAPTURECHANGED: return BTN_CaptureChanged(s);
        case WM_KEYDOWN:
            if (BTN_KeyDown(s, UINT(wParam))) return 0;
            break;
        case WM_KEYUP:
            if (BTN_KeyUp(s, UINT(wParam))) return 0;
            break;
        case WM_TIMER: return BTN_Timer(s, wParam);
        case WM_SETFOCUS: return BTN_SetFocus(s);
        case WM_KILLFOCUS: return BTN_KillFocus(s);

        // The btn operations as messages.
        case BM_GETSTATE:
        case TBM_GETSTATE: return BTN_GetState(s);
        case BM_SETSTATE:
        case TBM_SETSTATE: return BTN_SetState(s, wParam != 0);
        case BM_SETSTYLE:
        case TBM_SETSTYLE: return BTN_SetStyle(s, DWORD(wParam), lParam != 0);
        case TBM_SETBITMAP: return BTN_SetPictureSource(s, PictureSource::Bitmap, HANDLE(wParam));
        case TBM_SETICON: return BTN_SetPictureSource(s, PictureSource::Icon, HANDLE(wParam));
        case TBM_SETMETAFILE:
            return BTN_SetPictureSource(s, PictureSource::Metafile, HANDLE(wParam));
        case TBM_GETBITMAP: return BTN_GetPictureSource(s, PictureSource::Bitmap);
        case TBM_GETICON: return BTN_GetPictureSource(s, PictureSource::Icon);
        case TBM_GETMETAFILE: return BTN_GetPictureSource(s, PictureSource::Metafile);
        case TBM_SETPICTURE: return BTN_SetPicture(s, DWORD(wParam));
        case TBM_SETCOLORCODE: return BTN_SetColorCode(s, DWORD(lParam));
        case TBM_STOPREPEAT: return BTN_StopRepeat(s);
        case TBM_SETPERSISTENTSTATE: return BTN_SetPersistentState(s, wParam != 0);
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnButtonWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::BTN_WindowProc(hwnd, msg, wParam, lParam); });
}
