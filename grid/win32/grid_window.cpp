// The DataTbl32 window procedure and class registration.
#include "grid/win32/grid_window.h"

#include "framework/win32/window_barrier.h"
#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_handlers.h"
#include "grid/win32/grid_keyboard.h"
#include "grid/win32/grid_mouse.h"
#include "grid/win32/grid_paint.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

GridState* GetGridState(HWND hwnd) {
    return reinterpret_cast<GridState*>(GetWindowLongPtrA(hwnd, 0));
}

namespace {

void ApplyFont(GridState& state, HFONT font) {
    state.font = font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HDC dc = GetDC(state.hwnd);
    HGDIOBJ old = SelectObject(dc, state.font);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(state.hwnd, dc);
    state.rowHeight = metrics.tmHeight + 6;
    state.headerHeight = metrics.tmHeight + 8;
    UpdateScrollBars(state);
    InvalidateRect(state.hwnd, nullptr, FALSE);
}

LRESULT OnCreate(HWND hwnd) {
    GridState* state = new GridState;
    state->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
    ApplyFont(*state, nullptr);
    return 0;
}

void OnDestroy(HWND hwnd, GridState* state) {
    SetWindowLongPtrA(hwnd, 0, 0);
    for (HFONT font : state->rowFonts) DeleteObject(font);
    delete state;
}

// A commit the editor asked for when it lost the focus, unless the focus is still inside it.
void OnCommitPosted(GridState& state) {
    if (!state.editing) return;
    HWND focus = GetFocus();
    HWND editor = state.editor.combo ? state.editor.combo : state.editor.edit;
    if (focus == editor || IsChild(editor, focus)) return;
    CommitEditor(state);
}

// In a dialog the grid takes arrows, characters and Enter (which opens the editor); Tab and
// Escape stay with the dialog.
LRESULT OnGetDlgCode(const MSG* msg) {
    const bool enter = msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
}

POINT PointOf(LPARAM l) {
    return POINT{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
}

LRESULT HandleWindowMessage(GridState& state, UINT msg, WPARAM w, LPARAM l) {
    HWND hwnd = state.hwnd;
    switch (msg) {
        case WM_PAINT: OnPaint(state); return 0;
        case WM_PRINTCLIENT: OnPrintClient(state, reinterpret_cast<HDC>(w)); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SIZE:
            UpdateScrollBars(state);
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_SETFONT: ApplyFont(state, reinterpret_cast<HFONT>(w)); return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
        case WM_VSCROLL: OnVScroll(state, LOWORD(w)); return 0;
        case WM_HSCROLL: OnHScroll(state, LOWORD(w)); return 0;
        case WM_MOUSEWHEEL: OnMouseWheel(state, static_cast<short>(HIWORD(w))); return 0;
        case WM_LBUTTONDOWN: OnLButtonDown(state, PointOf(l), w); return 0;
        case WM_LBUTTONDBLCLK: OnLButtonDblClk(state, PointOf(l)); return 0;
        case WM_MOUSEMOVE: OnMouseMove(state, PointOf(l)); return 0;
        case WM_LBUTTONUP: OnLButtonUp(state); return 0;
        case WM_CAPTURECHANGED:
            state.dragSelecting = false;
            state.resizingColumn = -1;
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(l) == HTCLIENT && OnSetCursor(state)) return TRUE;
            break;
        case WM_KEYDOWN:
            if (OnKeyDown(state, w)) return 0;
            break;
        case WM_CHAR: OnChar(state, static_cast<UINT>(w)); return 0;
        case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<const MSG*>(l));
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(hwnd, nullptr, FALSE); return 0;
        case kCommitPosted: OnCommitPosted(state); return 0;
        default: break;
    }
    return DefWindowProcA(hwnd, msg, w, l);
}

LRESULT GridMessage(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) {
        OnCreate(hwnd);
        return DefWindowProcA(hwnd, msg, w, l);
    }
    GridState* state = GetGridState(hwnd);
    if (state == nullptr) return DefWindowProcA(hwnd, msg, w, l);
    if (msg == WM_NCDESTROY) {
        OnDestroy(hwnd, state);
        return DefWindowProcA(hwnd, msg, w, l);
    }
    if (!IsSortMessage(msg)) state->model.EnsureSorted();
    LRESULT result = 0;
    if (msg >= WM_USER && msg < WM_APP && DispatchGridMessage(*state, msg, w, l, result)) {
        return result;
    }
    return HandleWindowMessage(*state, msg, w, l);
}

// Running out of memory for the state fails the creation, for rows the message.
LRESULT CALLBACK GridWindowProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    return HandleMessageGuarded(msg, kFailed, [&] { return GridMessage(hwnd, msg, w, l); });
}

}  // namespace

bool RegisterGridClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = GridWindowProc;
    wc.cbWndExtra = sizeof(GridState*);
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

void UnregisterGridClass(HINSTANCE instance) { UnregisterClassA(kClassName, instance); }

}  // namespace grid
}  // namespace tw
