// Mouse handling and the scrolling timer of the outline list (see outline_mouse.h).

#include "controls/outline/outline_mouse.h"

#include "controls/outline/outline_keyboard.h"
#include "framework/exception_barrier.h"
#include "controls/outline/outline_notify.h"
#include "controls/outline/outline_opening.h"
#include "controls/outline/outline_selection.h"
#include "controls/outline/outline_view.h"
#include "controls/outline/tarn32_outline.h"

namespace tw {

namespace {

constexpr UINT kScrollInterval = 60;  // milliseconds between automatic scroll steps

bool OnMark(const OutlineState& s, long row, int x) {
    const uint32_t slot = s.tree.RowItem(row);
    const int rowX = x - ColumnLeft(s, row);  // ColumnLeft has the scroll offset in it
    return UserMayToggle(s, slot) &&
           OnOpenCloseMark(rowX, int(s.tree.Item(slot).level), s.indent, 0);
}

// A click's selection: Shift extends from the anchor, Control toggles the row (as does any
// click in multiple-selection mode), otherwise the row alone is selected.
bool SelectByClick(OutlineState& s, long row, WPARAM keys, POINT point) {
    const uint32_t slot = s.tree.RowItem(row);
    if ((keys & MK_SHIFT) && !IsMultipleSelection(s)) return MoveCaretByUser(s, row, true, point);
    if ((keys & MK_CONTROL) || IsMultipleSelection(s)) {
        MoveCaret(s, slot);
        s.tree.SetAnchor(slot);
        return SetItemSelected(s, slot, !s.tree.IsSelected(slot), point);
    }
    return MoveCaretByUser(s, row, false, point);
}

void StartTracking(OutlineState& s, POINT point) {
    s.tracking = true;
    s.dragPoint = point;
    SetCapture(s.self);
    SetTimer(s.self, OLB_SCROLL_TIMER, kScrollInterval, lbTimerProc);
}

// Takes the focus on a click; false when the control went away meanwhile.
bool TakeFocus(OutlineState& s) {
    const HWND self = s.self;
    if (GetFocus() != self) SetFocus(self);
    return StillAlive(self, &s);
}

}  // namespace

LRESULT OLB_LeftButtonDown(OutlineState& s, int x, int y, WPARAM keys) {
    if (!TakeFocus(s)) return 0;
    const POINT point = {x, y};
    const long row = RowAtPoint(s, x, y);
    if (row < 0) return 0;
    if (OnMark(s, row, x)) {
        ToggleByUser(s, s.tree.RowItem(row), point);
        return 0;
    }
    const ItemHandle handle = s.tree.HandleOf(s.tree.RowItem(row));
    if (!SelectByClick(s, row, keys, point)) return 0;
    const uint32_t slot = s.tree.SlotOf(handle);
    if (slot && !NotifyEvent(s, OLBN_CLICK, slot, point).alive) return 0;
    StartTracking(s, point);
    return 0;
}

LRESULT OLB_LeftButtonDoubleClick(OutlineState& s, int x, int y, WPARAM keys) {
    if (!TakeFocus(s)) return 0;
    const POINT point = {x, y};
    const long row = RowAtPoint(s, x, y);
    if (row < 0) return 0;
    const ItemHandle handle = s.tree.HandleOf(s.tree.RowItem(row));
    if (!OnMark(s, row, x) && !SelectByClick(s, row, keys, point)) return 0;
    uint32_t slot = s.tree.SlotOf(handle);
    if (slot && !ToggleByUser(s, slot, point)) return 0;
    slot = s.tree.SlotOf(handle);
    if (slot && !NotifyEvent(s, OLBN_DBLCLK, slot, point).alive) return 0;
    NotifyCommand(s, OLBN_CMD_DBLCLK);
    return 0;
}

LRESULT OLB_MouseMove(OutlineState& s, int x, int y) {
    if (!s.tracking) return 0;
    s.dragPoint = {x, y};
    const long row = RowAtPoint(s, x, y);
    const uint32_t caret = s.tree.Caret();
    if (row >= 0 && !IsMultipleSelection(s) && (!caret || s.tree.RowOf(caret) != row))
        MoveCaretByUser(s, row, false, s.dragPoint);
    return 0;
}

LRESULT OLB_LeftButtonUp(OutlineState& s) {
    StopTracking(s);
    return 0;
}

LRESULT OLB_CancelMode(OutlineState& s) {
    StopTracking(s);
    return 0;
}

void StopTracking(OutlineState& s) {
    KillTimer(s.self, OLB_SCROLL_TIMER);
    if (!s.tracking) return;
    s.tracking = false;
    if (GetCapture() == s.self) ReleaseCapture();
}

void OLB_ScrollTick(OutlineState& s) {
    if (!s.tracking) {
        KillTimer(s.self, OLB_SCROLL_TIMER);
        return;
    }
    RECT client;
    GetClientRect(s.self, &client);
    const POINT at = s.dragPoint;
    long target = -1;
    if (at.y < 0) {
        target = long(OLB_GetTopIndex(s)) - 1;
    } else if (at.y >= client.bottom) {
        target = BottomRow(s) + 1;
    } else if (IsMultiColumn(s) && (at.x < 0 || at.x >= client.right)) {
        const uint32_t caret = s.tree.Caret();
        const long from = caret ? s.tree.RowOf(caret) : 0;
        target = from + (at.x < 0 ? -s.rowsPerColumn : s.rowsPerColumn);
    }
    const long rows = long(s.tree.RowCount());
    if (target < 0 || target >= rows) return;
    if (IsMultipleSelection(s)) {
        MoveCaret(s, s.tree.RowItem(target));
        EnsureRowShown(s, target);
    } else {
        MoveCaretByUser(s, target, false, at);
    }
}

}  // namespace tw

extern "C" VOID CALLBACK lbTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD) {
    tw::CallWithBarrier(0, [&] {
        if (tw::OutlineState* s = tw::OutlineStateOf(hwnd)) tw::OLB_ScrollTick(*s);
        return 0;
    });
}
