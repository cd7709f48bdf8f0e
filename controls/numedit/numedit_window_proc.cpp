// TarnNumEditWinFn: the numeric edit's window procedure. Behind the exception barrier it
// fetches the state once (default processing while there is none) and hands each message to
// its handler: the numeric edit's own (NUM_) or the shared edit machinery's (EDIT_).

#include <windowsx.h>

#include "controls/common/edit_appearance.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_geometry.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_messages.h"
#include "controls/common/edit_mouse.h"
#include "controls/common/edit_keys.h"
#include "controls/common/edit_paint.h"
#include "controls/common/edit_queries.h"
#include "controls/message_params.h"
#include "controls/numedit/numedit_appearance.h"
#include "controls/numedit/numedit_keyboard.h"
#include "controls/numedit/numedit_lifecycle.h"
#include "controls/numedit/numedit_paint.h"
#include "controls/numedit/numedit_params.h"
#include "controls/numedit/numedit_range.h"
#include "controls/numedit/numedit_settings.h"
#include "controls/numedit/numedit_spin.h"
#include "controls/numedit/numedit_typing.h"
#include "controls/numedit/numedit_value.h"
#include "controls/tarn32.h"
#include "controls/window_procs.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

LRESULT NUM_LeftButtonDown(NumEditState& s, int x, int y) {
    if (NUM_SpinPress(s, x, y)) return 0;
    return EDIT_LeftButtonDown(s.core, x, y);
}

// Dragging selects character by character; a held spin button follows the mouse instead.
LRESULT NUM_MouseMove(NumEditState& s, int x, int y) {
    if (SpinHeld(s)) {
        NUM_SpinTrack(s, x, y);
    } else if (s.core.tracking && s.core.hasFocus) {
        ExtendSelectionTo(s.core, BoundaryNearest(s.core, x));
    }
    return 0;
}

LRESULT NUM_LeftButtonUp(NumEditState& s) {
    EndSpin(s);
    return EDIT_LeftButtonUp(s.core);
}

LRESULT NUM_DoubleClick(NumEditState& s, int x, int y) {
    if (NUM_SpinPress(s, x, y)) return 0;
    return EDIT_LeftButtonDblClk(s.core, x);
}

LRESULT NUM_CaptureChanged(NumEditState& s, HWND taker) {
    if (taker != s.core.hwnd) EndSpin(s);
    return 0;
}

LRESULT NUM_Enable(NumEditState& s, bool enabled) {
    if (!enabled) EndSpin(s);
    return EDIT_Enable(s.core, enabled);
}

LRESULT NUM_CancelMode(NumEditState& s) { return NUM_LeftButtonUp(s); }

// Messages of the nm operations on the value; false when `msg` is none of them.
bool ValueMessage(NumEditState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case NEM_GETLASTGOODNUMBER:
            result =
                reinterpret_cast<LRESULT>(NUM_GetLastGoodNumber(s, PointerParam<char>(lParam)));
            break;
        case NEM_GETINTEGER:
        case NEM_GETLONGINTEGER: result = NUM_GetInteger(s); break;
        case NEM_GETUNSIGNEDINTEGER:
        case NEM_GETUNSIGNEDLONG: result = static_cast<LRESULT>(NUM_GetUnsigned(s)); break;
        case NEM_GETFLOAT: result = NUM_GetFloat(s, PointerParam<float>(lParam)); break;
        case NEM_GETDOUBLE:
        case NEM_GETLONGDOUBLE:
        case NEM_GETVALUE: result = NUM_GetDouble(s, PointerParam<double>(lParam)); break;
        case NEM_SETINTEGER: result = NUM_SetWholeNumber(s, static_cast<int>(wParam)); break;
        case NEM_SETLONGINTEGER: result = NUM_SetWholeNumber(s, static_cast<LONG>(lParam)); break;
        case NEM_SETUNSIGNEDINTEGER:
            result = NUM_SetWholeNumber(s, static_cast<UINT>(wParam));
            break;
        case NEM_SETUNSIGNEDLONG: result = NUM_SetWholeNumber(s, static_cast<ULONG>(lParam)); break;
        case NEM_SETFLOAT: result = NUM_SetFloatFrom(s, PointerParam<const float>(lParam)); break;
        case NEM_SETDOUBLE:
        case NEM_SETLONGDOUBLE:
        case NEM_SETVALUE: result = NUM_SetNumberFrom(s, PointerParam<const double>(lParam)); break;
        case NEM_SETNULL: result = NUM_SetNull(s); break;
        case NEM_ISNULL: result = EDIT_IsNull(s.core); break;
        case NEM_OKTOCHANGE: result = EDIT_OkToChange(s.core); break;
        default: return false;
    }
    return true;
}

// Messages of the nm operations on the format, range, step and looks; false when `msg` is
// none of them.
bool SetupMessage(NumEditState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case NEM_GETEDITPARAMS:
            result = NUM_GetEditParams(s, PointerParam<NMEDITPARAMS>(lParam));
            break;
        case NEM_SETEDITPARAMS:
            result = NUM_SetEditParams(s, PointerParam<const NMEDITPARAMS>(lParam));
            break;
        case NEM_SETDELTAVALUE: result = NUM_SetDelta(s, PointerParam<const double>(lParam)); break;
        case NEM_GETDELTAVALUE: result = NUM_GetDelta(s, PointerParam<double>(lParam)); break;
        case NEM_SETRANGETEXT:
            result = NUM_SetRangeTexts(s, PointerParam<const char>(LPARAM(wParam)),
                                       PointerParam<const char>(lParam));
            break;
        case NEM_GETRANGETEXT:
            result = NUM_GetRangeTexts(s, PointerParam<char>(LPARAM(wParam)),
                                       PointerParam<char>(lParam));
            break;
        case NEM_SETDISPLAYSTYLE: result = NUM_SetDisplayStyle(s, static_cast<int>(wParam)); break;
        case NEM_ENABLESPINBUTTONS:
            result = NUM_EnableSpinButtons(s, static_cast<int>(wParam));
            break;
        case NEM_SETALIGNMENT: result = NUM_SetAlignment(s, static_cast<int>(wParam)); break;
        case NEM_GETMINHEIGHT: result = EDIT_GetMinHeight(s.core); break;
        case NEM_GETMINWIDTH: result = NUM_GetMinWidth(s); break;
        case NEM_SETBKCOLOR: result = NUM_SetColor(s, TARN_COLOR_BACKGROUND, DWORD(lParam)); break;
        case NEM_SETTEXTCOLOR: result = NUM_SetColor(s, TARN_COLOR_TEXT, DWORD(lParam)); break;
        case NEM_SETBORDERSTYLE: result = NUM_SetBorderStyle(s, static_cast<int>(wParam)); break;
        case TARN_MSG_CALTIMETYPE: result = EDIT_GetCalTimeType(PointerParam<DWORD>(lParam)); break;
        default: return false;
    }
    return true;
}

LRESULT NUM_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!NUM_NcCreate(hwnd, PointerParam<const CREATESTRUCTA>(lParam))) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    NumEditState* state = FetchNumEditState(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    NumEditState& s = *state;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);

    switch (msg) {
        // Lifetime, painting and focus.
        case WM_CREATE: UpdateSpinReserve(s); return 0;
        case WM_DESTROY: EndSpin(s); return 0;
        case WM_NCDESTROY: NUM_NcDestroy(s); break;
        case WM_PAINT: return EDIT_Paint(s.core, PaintNumEdit);
        case WM_PRINTCLIENT: return EDIT_PrintClient(s.core, HDC(wParam), PaintNumEdit);
        case WM_PRINT: return NUM_Print(s.core, HDC(wParam), lParam);
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_SETFOCUS: return NUM_SetFocus(s);
        case WM_KILLFOCUS: return EDIT_KillFocus(s.core);
        case WM_ENABLE: return NUM_Enable(s, wParam != 0);
        case WM_SIZE: return NUM_Size(s, LOWORD(lParam), HIWORD(lParam));
        case WM_SETFONT: return EDIT_SetFont(s.core, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return reinterpret_cast<LRESULT>(s.core.font);
        case WM_WININICHANGE: return NUM_SettingsChanged(s, PointerParam<const char>(lParam));
        case WM_GETDLGCODE: return kEditDialogCode;

        // Keyboard, mouse and the spin timers.
        case WM_KEYDOWN:
            if (NUM_KeyDown(s, static_cast<UINT>(wParam))) return 0;
            break;
        case WM_CHAR:
            if (NUM_Char(s, static_cast<char>(wParam))) return 0;
            break;
        case WM_SETCURSOR: return EDIT_SetCursor(s.core);
        case WM_LBUTTONDOWN: return NUM_LeftButtonDown(s, x, y);
        case WM_LBUTTONDBLCLK: return NUM_DoubleClick(s, x, y);
        case WM_MOUSEMOVE: return NUM_MouseMove(s, x, y);
        case WM_LBUTTONUP: return NUM_LeftButtonUp(s);
        case WM_CANCELMODE: return NUM_CancelMode(s);
        case WM_CAPTURECHANGED: return NUM_CaptureChanged(s, reinterpret_cast<HWND>(lParam));
        case WM_TIMER: return NUM_Timer(s, wParam);

        // Beyond the standard edit messages.
        case EM_LIMITTEXT: return NUM_LimitText(s, wParam);
        case EM_GETLIMITTEXT: return NUM_GetLimitText(s);
        default: {
            LRESULT result = 0;
            if (EDIT_StandardMessage(s.core, msg, wParam, lParam, result)) return result;
            if (ValueMessage(s, msg, wParam, lParam, result)) return result;
            if (SetupMessage(s, msg, wParam, lParam, result)) return result;
            break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnNumEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::NUM_WindowProc(hwnd, msg, wParam, lParam); });
}
