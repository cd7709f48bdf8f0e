// TarnPctBarWinFn: the percent bar's window procedure. Behind the exception barrier it fetches
// the state once (default processing while there is none) and hands each message to its
// handler.

#include "controls/message_params.h"
#include "controls/percent/percent_bar_paint.h"
#include "controls/percent/percent_bar_state.h"
#include "controls/percent/percent_bar_values.h"
#include "controls/percent/tarn32_percent.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

LRESULT PCT_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!PCT_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    PercentBarState* state = FetchPercentBarState(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PercentBarState& s = *state;

    switch (msg) {
        // Lifetime, painting and font.
        case WM_NCDESTROY: PCT_NcDestroy(s); break;
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_PAINT: return PCT_Paint(s);
        case WM_PRINTCLIENT: return PCT_PrintClient(s, HDC(wParam));
        case WM_SETFONT: return PCT_SetLabelFont(s, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return reinterpret_cast<LRESULT>(s.labelFont);

        // The pb operations as private messages.
        case PCTM_SETLIMIT: return PCT_SetLimit(s, LONG(lParam));
        case PCTM_SETPROGRESS: return PCT_SetProgress(s, LONG(lParam));
        case PCTM_SETBKCOLOR: return PCT_SetColor(s, PCT_COLOR_BACKGROUND, DWORD(lParam));
        case PCTM_SETFACECOLOR: return PCT_SetColor(s, PCT_COLOR_FACE, DWORD(lParam));
        case PCTM_SETBARCOLOR: return PCT_SetColor(s, PCT_COLOR_BAR, DWORD(lParam));
        case PCTM_SETTEXTCOLOR: return PCT_SetColor(s, PCT_COLOR_TEXT, DWORD(lParam));
        case PCTM_SETPERCENTFONT: return PCT_SetPercentFont(s, HFONT(wParam));
        case PCTM_GETPROGRESS: return PCT_GetProgress(s);
        case PCTM_GETLIMIT: return PCT_GetLimit(s);
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnPctBarWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::PCT_WindowProc(hwnd, msg, wParam, lParam); });
}
