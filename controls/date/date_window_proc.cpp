// TarnDateEditWinFn: the date edit's window procedure. Behind the exception barrier it fetches
// the state once (default processing while there is none) and hands each message to its
// handler: the date edit's own (DATE_) or the shared edit machinery's (EDIT_).

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
#include "controls/date/date_appearance.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_edits.h"
#include "controls/date/date_keyboard.h"
#include "controls/date/date_lifecycle.h"
#include "controls/date/date_paint.h"
#include "controls/date/date_value.h"
#include "controls/message_params.h"
#include "controls/tarn32.h"
#include "controls/window_procs.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

LRESULT DATE_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!DATE_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    DateEditState* state = FetchDateState(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    DateEditState& s = *state;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const UINT vk = static_cast<UINT>(wParam);

    switch (msg) {
        // Lifetime, painting and focus.
        case WM_CREATE: return DATE_Create(s);
        case WM_DESTROY: return DATE_Destroy(s);
        case WM_NCDESTROY: DATE_NcDestroy(s); break;
        case WM_PAINT: return EDIT_Paint(s.core, PaintDateEdit);
        case WM_PRINTCLIENT: return EDIT_PrintClient(s.core, HDC(wParam), PaintDateEdit);
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_SETFOCUS: return DATE_SetFocus(s);
        case WM_KILLFOCUS: return EDIT_KillFocus(s.core);
        case WM_ENABLE: return EDIT_Enable(s.core, wParam != 0);
        case WM_SIZE: return DATE_Size(s, LOWORD(lParam), HIWORD(lParam));
        case WM_SETFONT: return EDIT_SetFont(s.core, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return reinterpret_cast<LRESULT>(s.core.font);
        case WM_WININICHANGE: return DATE_SettingsChanged(s, PointerParam<const char>(lParam));
        case WM_GETDLGCODE: return kEditDialogCode;

        // Keyboard and mouse.
        case WM_KEYDOWN:
            if (DATE_KeyDown(s, vk)) return 0;
            break;
        case WM_SYSKEYDOWN:
            if (DATE_SysKeyDown(s, vk, lParam)) return 0;
            break;
        case WM_SETCURSOR: return EDIT_SetCursor(s.core);
        case WM_LBUTTONDOWN: return DATE_LeftButtonDown(s, x, y);
        case WM_MOUSEMOVE: return EDIT_MouseMove(s.core, x);
        case WM_LBUTTONUP: return EDIT_LeftButtonUp(s.core);
        case WM_LBUTTONDBLCLK: return EDIT_LeftButtonDblClk(s.core, x);
        case WM_CANCELMODE: return DATE_CancelMode(s);

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
        case EM_SETSEL: return DATE_SetSel(s, int(wParam), int(lParam));
        case EM_REPLACESEL: return EDIT_ReplaceSel(s.core, PointerParam<const char>(lParam));
        case EM_GETRECT: return EDIT_GetRect(s.core, PointerParam<RECT>(lParam));
        case WM_COPY: return EDIT_Copy(s.core);
        case WM_CUT: return EDIT_Cut(s.core);
        case WM_PASTE: return EDIT_Paste(s.core);
        case WM_CLEAR: return EDIT_Clear(s.core);

        // The dt operations as private messages.
        case DEM_GETEDITPARAMS: return DATE_GetEditParams(s, PointerParam<DTEDITPARAMS>(lParam));
        case DEM_SETEDITPARAMS:
            return DATE_SetEditParams(s, PointerParam<const DTEDITPARAMS>(lParam));
        case DEM_GETDATE: return DATE_GetDate(s, PointerParam<WORD>(lParam));
        case DEM_GETMONTH: return DATE_GetMonth(s);
        case DEM_GETDAY: return DATE_GetDay(s);
        case DEM_GETYEAR: return DATE_GetYear(s);
        case DEM_SETDATE: return DATE_SetDate(s, PointerParam<const WORD>(lParam));
        case DEM_SETBUTTONCOLOR: return DATE_SetColor(s, TARN_COLOR_BUTTONFACE, DWORD(lParam));
        case DEM_SETBKCOLOR: return DATE_SetColor(s, TARN_COLOR_BACKGROUND, DWORD(lParam));
        case DEM_SETTEXTCOLOR: return DATE_SetColor(s, TARN_COLOR_TEXT, DWORD(lParam));
        case DEM_ENABLEERASE: return DATE_EnableErase(s, int(wParam));
        case DEM_SETDISPLAYSTYLE: return DATE_SetDisplayStyle(s, int(wParam));
        case DEM_ENABLECALENDAR: return DATE_EnableCalendar(s, int(wParam));
        case DEM_SETNULL: return DATE_SetNull(s);
        case DEM_ISNULL: return EDIT_IsNull(s.core);
        case DEM_GETDATESTRING:
            return reinterpret_cast<LRESULT>(
                EDIT_GetDisplayString(s.core, PointerParam<char>(lParam)));
        case DEM_SETDATESTRING: return DATE_SetDateString(s, PointerParam<const char>(lParam));
        case DEM_GETMINHEIGHT: return EDIT_GetMinHeight(s.core);
        case DEM_GETMINWIDTH: return DATE_GetMinWidth(s);
        case DEM_OKTOCHANGE: return EDIT_OkToChange(s.core);
        case DEM_SETMONTHLITERALS:
            return DATE_SetMonthLiterals(s, PointerParam<const char>(lParam));
        case DEM_SETDAYLITERALS: return DATE_SetDayLiterals(s, PointerParam<const char>(lParam));
        case DEM_SETBORDERSTYLE: return DATE_SetBorderStyle(s, int(wParam));
        case DEM_SETBUTTONSTYLE: return DATE_SetButtonStyle(s, int(wParam));
        case DEM_DROPDOWNCALENDAR: return DATE_DropDownCalendar(s);
        case DEM_CALENDARCLOSED: return DATE_CalendarClosed(s);
        case TARN_MSG_SETNONNULL: return DATE_MakeNonNull(s, lParam);
        case TARN_MSG_GETCALTIME: return DATE_GetCalTime(s, PointerParam<TARNCALTIME>(lParam));
        case TARN_MSG_VALIDATE: return DATE_Validate(s);
        case TARN_MSG_CALTIMETYPE: return EDIT_GetCalTimeType(PointerParam<DWORD>(lParam));
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnDateEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::DATE_WindowProc(hwnd, msg, wParam, lParam); });
}
