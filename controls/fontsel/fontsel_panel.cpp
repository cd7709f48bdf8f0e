// fnFontSelProc: the dialog procedure of the font selector's panel. It hands the lists'
// commands, colour requests and entry drawing to the font selector, passes mouse presses on
// (for the designer), and paints its background in the selector's face colour.

#include <windows.h>

#include "controls/fontsel/fontsel_state.h"
#include "controls/fontsel/tarn32_fontsel.h"
#include "framework/exception_barrier.h"

namespace tw {
namespace {

constexpr UINT kOldControlColor = 0x0019;

bool IsControlColorMessage(UINT msg) {
    return msg == kOldControlColor || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
}

INT_PTR PaintBackground(HWND panel, HWND selector, HDC dc) {
    RECT client;
    GetClientRect(panel, &client);
    SetBkColor(dc, COLORREF(SendMessageA(selector, FSM_GETFACECOLOR, 0, 0)));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    SetWindowLongPtrA(panel, DWLP_MSGRESULT, 1);
    return TRUE;
}

INT_PTR PanelMessage(HWND panel, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND selector = GetParent(panel);
    if (!FontSelStateOf(selector)) return FALSE;  // not a font selector's panel
    if (IsControlColorMessage(msg)) return SendMessageA(selector, msg, wParam, lParam);
    switch (msg) {
        case WM_INITDIALOG: return FALSE;  // the focus stays where it is
        case WM_ERASEBKGND: return PaintBackground(panel, selector, HDC(wParam));
        case WM_COMMAND:
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetWindowLongPtrA(panel, DWLP_MSGRESULT, SendMessageA(selector, msg, wParam, lParam));
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace
}  // namespace tw

extern "C" INT_PTR CALLBACK fnFontSelProc(HWND panel, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::CallWithBarrier(INT_PTR(FALSE),
                               [=] { return tw::PanelMessage(panel, msg, wParam, lParam); });
}
