// TarnFontSelectWinFn: the font selector's window procedure. Behind the exception barrier it
// fetches the state once (default processing while there is none) and hands each message to
// its handler.

#include "controls/fontsel/fontsel_appearance.h"
#include "controls/fontsel/fontsel_families.h"
#include "controls/fontsel/fontsel_input.h"
#include "controls/fontsel/fontsel_lifecycle.h"
#include "controls/fontsel/fontsel_sizes.h"
#include "controls/fontsel/fontsel_state.h"
#include "controls/fontsel/tarn32_fontsel.h"
#include "controls/message_params.h"
#include "framework/win32/window_barrier.h"

namespace tw {
namespace {

LRESULT FS_WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (!FS_NcCreate(hwnd)) return FALSE;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    FontSelState* state = FontSelStateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    FontSelState& s = *state;
    const DWORD color = DWORD(lParam);

    switch (msg) {
        // Lifetime, size, font and focus.
        case WM_CREATE: return FS_Create(s);
        case WM_NCDESTROY: FS_NcDestroy(s); break;
        case WM_SIZE: return FS_Size(s);
        case WM_SETFONT: return FS_SetFont(s, HFONT(wParam), LOWORD(lParam) != 0);
        case WM_GETFONT: return FS_GetFont(s);
        case WM_SETFOCUS: return FS_SetFocus(s);

        // From the panel: the lists' commands, colours and entries; presses in a designer.
        case WM_COMMAND:
            if (FS_Command(s, LOWORD(wParam), HIWORD(wParam))) return 0;
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: return FS_ControlColor(s, HDC(wParam));
        case WM_MEASUREITEM: return FS_MeasureItem(s, PointerParam<MEASUREITEMSTRUCT>(lParam));
        case WM_DRAWITEM: return FS_DrawItem(s, PointerParam<const DRAWITEMSTRUCT>(lParam));
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (FS_DesignerPress(s, wParam, lParam)) return 0;
            break;

        // The fs operations as messages.
        case FSM_GETFACECOLOR: return FS_FaceColor(s);
        case FSM_SETFONTFAMILY: return FS_SetFontFamily(s, PointerParam<const char>(lParam));
        case FSM_GETFONTFAMILY: return FS_GetFontFamily(s, PointerParam<char>(lParam), int(wParam));
        case FSM_SETFONTSIZE: return FS_SetFontSize(s, int(wParam));
        case FSM_GETFONTSIZE: return FS_GetFontSize(s);
        case FSM_SETFONTPOINTSIZE: return FS_SetFontPointSize(s, int(wParam));
        case FSM_GETFONTPOINTSIZE: return FS_GetFontPointSize(s);
        case FSM_SETFONTCOMMANDCODE: return FS_SetCommandCode(s, true, WORD(wParam));
        case FSM_SETSIZECOMMANDCODE: return FS_SetCommandCode(s, false, WORD(wParam));
        case FSM_SETBKCOLOR: return FS_SetColor(s, FSC_BACKGROUND, color);
        case FSM_SETFACECOLOR: return FS_SetColor(s, FSC_FACE, color);
        case FSM_SETTEXTCOLOR: return FS_SetColor(s, FSC_TEXT, color);
        case FSM_SETITEMHEIGHT: return FS_SetItemHeight(s, int(wParam));
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace
}  // namespace tw

extern "C" LRESULT CALLBACK TarnFontSelectWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return tw::FS_WindowProc(hwnd, msg, wParam, lParam); });
}
