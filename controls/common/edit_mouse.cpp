// Cursor, clicks and drag selection of the edit controls (see edit_mouse.h).

#include "controls/common/edit_mouse.h"

#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_geometry.h"

namespace tw {

bool PointInTextArea(const EditCore& core, int x, int y) {
    const RECT area = TextArea(core);
    const POINT point = {x, y};
    return PtInRect(&area, point) != FALSE;
}

LRESULT EDIT_SetCursor(EditCore& core) {
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(core.hwnd, &point);
    const bool overText = PointInTextArea(core, point.x, point.y) && !core.readOnly;
    core.cursorSet = overText;
    SetCursor(LoadCursorA(nullptr, overText ? IDC_IBEAM : IDC_ARROW));
    return TRUE;
}

LRESULT EDIT_LeftButtonDown(EditCore& core, int x, int y) {
    if (core.readOnly || !PointInTextArea(core, x, y)) return 0;
    SetCapture(core.hwnd);
    core.tracking = TRUE;
    HideEditCaret(core);
    if (!core.hasFocus) {
        SetFocus(core.hwnd);
        return 0;
    }
    CollapseSelection(core, BoundaryNearest(core, x));
    FollowCaret(core);
    InvalidateRect(core.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT EDIT_MouseMove(EditCore& core, int x) {
    if (!core.tracking || !core.hasFocus) return 0;
    FieldSpan spans[kMaxFields];
    const int count = CurrentSpans(core, spans);
    const int anchor = core.caret == core.selEnd ? core.selStart : core.selEnd;
    const int pos = BoundaryNearest(core, x);
    if (pos == anchor && !HasSelection(core)) return 0;
    const FieldSpan& anchorField = spans[FieldAtPosition(spans, count, anchor)];
    const FieldSpan& posField = spans[FieldAtPosition(spans, count, pos)];
    if (pos >= anchor) {
        core.selStart = static_cast<WORD>(anchorField.start);
        core.selEnd = core.caret = static_cast<WORD>(posField.end);
    } else {
        core.selEnd = static_cast<WORD>(anchorField.end);
        core.selStart = core.caret = static_cast<WORD>(posField.start);
    }
    FollowCaret(core);
    InvalidateRect(core.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT EDIT_LeftButtonUp(EditCore& core) {
    if (GetCapture() == core.hwnd) ReleaseCapture();
    if (!core.tracking) return 0;
    core.tracking = FALSE;
    if (PlaceCaret(core)) ShowEditCaret(core);
    return 0;
}

LRESULT EDIT_LeftButtonDblClk(EditCore& core, int x) {
    if (core.readOnly || !core.hasFocus) return 0;
    FieldSpan spans[kMaxFields];
    const int count = CurrentSpans(core, spans);
    SelectField(core, FieldAtPosition(spans, count, BoundaryNearest(core, x)));
    InvalidateRect(core.hwnd, nullptr, FALSE);
    return 0;
}

}  // namespace tw
