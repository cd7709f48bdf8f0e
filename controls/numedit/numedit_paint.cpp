// Painting of the numeric edit (see numedit_paint.h).

#include "controls/numedit/numedit_paint.h"

#include "controls/colors.h"
#include "controls/common/edit_paint.h"
#include "controls/numedit/numedit_spin.h"
#include "controls/numedit/numedit_state.h"

namespace tw {
namespace {

// Bitmap 700 holds four arrow cells side by side: up, down, then both greyed. Black (or grey)
// arrows on white, drawn by AND so that the button's face shows through the white.
enum ArrowCell { kUpArrow, kDownArrow, kUpArrowGrey, kDownArrowGrey, kArrowCellCount };

void DrawArrow(const NumEditState& s, HDC dc, const RECT& button, ArrowCell cell, int shift) {
    BITMAP info = {};
    if (!s.spinBitmap || !GetObjectA(s.spinBitmap, sizeof info, &info)) return;
    const int width = info.bmWidth / kArrowCellCount;
    const int height = info.bmHeight;
    const int x = button.left + (button.right - button.left - width) / 2 + shift;
    const int y = button.top + (button.bottom - button.top - height) / 2 + shift;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, s.spinBitmap);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, button.left + 1, button.top + 1, button.right - 1, button.bottom - 1);
    BitBlt(dc, x, y, width, height, source, cell * width, 0, SRCAND);
    RestoreDC(dc, saved);
    SelectObject(source, previous);
    DeleteDC(source);
}

void DrawSpinButton(const NumEditState& s, HDC dc, SpinButton button) {
    RECT rect = SpinButtonRect(s, button);
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    HBRUSH face = CreateResolvedBrush(s.core.colors[kFaceColor]);
    FillRect(dc, &rect, face);
    DeleteObject(face);
    const bool pressed = s.spinButton == button && s.spinHot;
    const bool grey = s.core.disabled || s.core.readOnly;
    const int cell = (button == kSpinUp ? kUpArrow : kDownArrow) + (grey ? kUpArrowGrey : 0);
    DrawArrow(s, dc, rect, static_cast<ArrowCell>(cell), pressed ? 1 : 0);
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

}  // namespace

void PaintNumEdit(EditCore& core, HDC dc, const RECT& client) {
    PaintEditBody(core, dc, client);
    const NumEditState& s = NumStateOf(core);
    if (!s.spinButtons) return;
    DrawSpinButton(s, dc, kSpinUp);
    DrawSpinButton(s, dc, kSpinDown);
}

LRESULT NUM_Print(EditCore& core, HDC dc, LPARAM flags) {
    HWND hwnd = core.hwnd;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return 0;
    if (flags & PRF_NONCLIENT)
        DefWindowProcA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    if (!(flags & PRF_CLIENT)) return 0;
    RECT window;
    GetWindowRect(hwnd, &window);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    POINT previous;
    OffsetViewportOrgEx(dc, origin.x - window.left, origin.y - window.top, &previous);
    PaintDoubleBuffered(core, dc, PaintNumEdit);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    return 0;
}

}  // namespace tw
