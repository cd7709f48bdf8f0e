// TarnTimeEditWinFn: the time edit's window procedure. Behind the exception barrier it fetches
// the state once (default processing while there is none) and hands each message to its
// handler: the time edit's own (TIME_) or the shared edit machinery's (EDIT_).

#include <windowsx.h>

#include "controls/common/edit_appearance.h"
#include "controls/common/edit_clipboard.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_geometry.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_mouse.h"
#include "controls/common/edit_paint.h"
#include "controls/common/edit_queries.h"
#include "controls/common/edit_selection.h"
#include "controls/common/edit_text.h"
#include "controls/message_params.h"
#include "controls/tarn32.h"
#include "controls/time/time_appearance.h"
#include "controls/time/time_clock.h"
#include "controls/time/time_keyboard.h"
#include "controls/time/time_lifecycle.h"
#include "controls/time/time_value.h"
#include "controls/window_procs.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

LRESULT TIME_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!TIME_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    TimeEditState* state = FetchTimeState(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    TimeEditState& s = *state;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);

    switch (msg) {
        // Lifetime, painting, focus and the clock.
        case WM_NCDESTROY: TIME_NcDestroy(s); break;
        case WM_PAINT: return EDIT_Paint(s.core, PaintEditBody);
        case WM_PRINTCLIENT: return EDIT_PrintClient(s.core, HDC(wParam), PaintEditBody);
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_SETFOCUS: return TIME_SetFocus(s);
        case WM_KILLFOCUS: return EDIT_KillFocus(s.core);
        case WM_ENABLE: return EDIT_Enable(s.core, wParam != 0);
        case WM_SIZE: return EDIT_Size(s.core, LOWORD(lParam), HIWORD(lParam));
        case WM_SETFONT: return EDIT_SetFont(s.core, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return reinterpret_cast<LRESULT>(s.core.font);
        case WM_WININICHANGE: return TIME_SettingsChanged(s, PointerParam<const char>(lParam));
        case WM_TIMER: return TIME_Timer(s, wParam);
        case WM_GETDLGCODE: return kEditDialogCode;

        // Keyboard and mouse.
        case WM_KEYDOWN:
            if (TIME_KeyDown(s, static_cast<UINT>(wParam))) return 0;
            break;
        case WM_SETCURSOR: return EDIT_SetCursor(s.core);
        case WM_LBUTTONDOWN: return EDIT_LeftButtonDown(s.core, x, y);
        case WM_MOUSEMOVE: return EDIT_MouseMove(s.core, x);
        case WM_LBUTTONUP: return EDIT_LeftButtonUp(s.core);
        case WM_LBUTTONDBLCLK: return EDIT_LeftButtonDblClk(s.core, x);

        // The standard edit messages.
        case WM_GETTEXT: return EDIT_GetText(s.core, PointerParam<char>(lParam), int(wParam));
        case WM_GETTEXTLENGTH:
        case EM_LINELENGTH: return EDIT_GetTextLength(s.core);
        case EM_GETLINE: return EDIT_GetLine(s.core, PointerParam<char>(lParam));
        case WM_SETTEXT: return EDIT_SetText(s.core, PointerParam<const char>(lParam));
        case EM_GETLINECOUNT: return 1;
        case EM_GETMODIFY: return EDIT_GetModify(s.core);
        case EM_SETMODIFY: return EDIT_SetModify(s.core, wParam != 0);
        case EM_SETREADONLY: return EDIT_SetReadOnly(s.core, wParam != 0);
        case EM_GETSEL:
            return EDIT_GetSel(s.core, PointerParam<DWORD>(wParam), PointerParam<DWORD>(lParam));
        case EM_SETSEL: return EDIT_SetSel(s.core, int(wParam), int(lParam));
        case EM_REPLACESEL: return EDIT_ReplaceSel(s.core, PointerParam<const char>(lParam));
        case EM_GETRECT: return EDIT_GetRect(s.core, PointerParam<RECT>(lParam));
        case WM_COPY: return EDIT_Copy(s.core);
        case WM_CUT: return EDIT_Cut(s.core);
        case WM_PASTE: return EDIT_Paste(s.core);
        case WM_CLEAR: return EDIT_Clear(s.core);

        // The tm operations as private messages.
        case TEM_GETEDITPARAMS:
            return reinterpret_cast<LRESULT>(
                TIME_GetEditParams(s, PointerParam<TMEDITPARAMS>(lParam)));
        case TEM_SETEDITPARAMS: return TIME_SetEditParams(s, PointerParam<TMEDITPARAMS>(lParam));
        case TEM_GETTIME: return TIME_GetTime(s, PointerParam<WORD>(lParam));
        case TEM_GETHOUR: return TIME_GetHour(s);
        case TEM_GETMINUTE: return TIME_GetMinute(s);
        case TEM_GETSECOND: return TIME_GetSecond(s);
        case TEM_SETTIME: return TIME_SetTime(s, PointerParam<const WORD>(lParam));
        case TEM_SETDISPLAYSTYLE: return TIME_SetDisplayStyle(s, int(wParam));
        case TEM_SETNULL: return TIME_SetNull(s);
        case TEM_ISNULL: return EDIT_IsNull(s.core);
        case TEM_GETTIMESTRING:
            return reinterpret_cast<LRESULT>(
                EDIT_GetDisplayString(s.core, PointerParam<char>(lParam)));
        case TEM_SETTIMESTRING: return TIME_SetTimeString(s, PointerParam<const char>(lParam));
        case TEM_GETMINHEIGHT: return EDIT_GetMinHeight(s.core);
        case TEM_GETMINWIDTH: return TIME_GetMinWidth(s);
        case TEM_SETBKCOLOR: return TIME_SetColor(s, TARN_COLOR_BACKGROUND, DWORD(lParam));
        case TEM_SETTEXTCOLOR: return TIME_SetColor(s, TARN_COLOR_TEXT, DWORD(lParam));
        case TEM_OKTOCHANGE: return EDIT_OkToChange(s.core);
        case TEM_STARTCLOCK: return TIME_StartClock(s);
        case TEM_STOPCLOCK: return TIME_StopClock(s);
        case TEM_SETHOUR: return TIME_SetHour(s, int(lParam));
        case TEM_SETMINUTE: return TIME_SetMinute(s, int(lParam));
        case TEM_SETSECOND: return TIME_SetSecond(s, int(lParam));
        case TARN_MSG_SETNONNULL: return TIME_SetFromCalTime(s, PointerParam<const DWORD>(lParam));
        case TARN_MSG_GETCALTIME: return TIME_GetCalTime(s, PointerParam<TARNCALTIME>(lParam));
        case TARN_MSG_VALIDATE: return 0;  // every time is accepted
        case TARN_MSG_CALTIMETYPE: return EDIT_GetCalTimeType(PointerParam<DWORD>(lParam));
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnTimeEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::TIME_WindowProc(hwnd, msg, wParam, lParam); });
}
