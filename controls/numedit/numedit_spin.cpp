// Spin buttons of the numeric edit (see numedit_spin.h).

#include "controls/numedit/numedit_spin.h"

#include <commctrl.h>

#include <cmath>

#include "controls/borders.h"
#include "controls/common/edit_notify.h"
#include "controls/numedit/numedit_changes.h"

namespace tw {
namespace {

void InvalidateSpin(const NumEditState& s) {
    const RECT area = SpinArea(s);
    InvalidateRect(s.core.hwnd, &area, FALSE);
}

SpinButton SpinButtonAt(const NumEditState& s, int x, int y) {
    const POINT point = {x, y};
    for (SpinButton button : {kSpinUp, kSpinDown}) {
        const RECT rect = SpinButtonRect(s, button);
        if (PtInRect(&rect, point)) return button;
    }
    return kNoSpinButton;
}

// WM_NOTIFY -901 to the parent; false when the parent destroyed the control meanwhile.
bool NotifySpinPressed(NumEditState& s) {
    HWND hwnd = s.core.hwnd;
    HWND parent = GetParent(hwnd);
    if (!parent) return true;
    NMHDR header = {};
    header.hwndFrom = hwnd;
    header.idFrom = static_cast<UINT_PTR>(GetWindowLongPtrA(hwnd, GWLP_ID));
    header.code = kSpinPressedCode;
    SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return NumEditAlive(hwnd, &s);
}

void StepIfHot(NumEditState& s) {
    if (s.spinHot) StepValue(s, static_cast<SpinButton>(s.spinButton));
}

// The value a step starts from: the edit text's (0 when it is not a number or null).
double StepBase(const NumEditState& s) {
    double value = 0;
    if (!s.core.isNull && !ParseNumberText(s.core.text, s.decimalSep, value)) value = 0;
    return value;
}

}  // namespace

RECT SpinArea(const NumEditState& s) {
    RECT area;
    GetClientRect(s.core.hwnd, &area);
    const int inset = OwnBorderInset(static_cast<int>(s.core.borderKind));
    InflateRect(&area, -inset, -inset);
    const int width = s.spinButtons ? (area.bottom - area.top) * 5 / 8 : 0;
    area.left = area.right - width;
    return area;
}

RECT SpinButtonRect(const NumEditState& s, SpinButton button) {
    RECT rect = SpinArea(s);
    const int middle = rect.top + (rect.bottom - rect.top) / 2;
    if (button == kSpinUp)
        rect.bottom = middle;
    else
        rect.top = middle;
    return rect;
}

void UpdateSpinReserve(NumEditState& s) {
    const RECT area = SpinArea(s);
    s.core.rightReserve = area.right - area.left;
}

bool NUM_SpinPress(NumEditState& s, int x, int y) {
    if (!s.spinButtons) return false;
    const SpinButton button = SpinButtonAt(s, x, y);
    if (button == kNoSpinButton) return false;
    if (s.core.readOnly) return true;
    HWND hwnd = s.core.hwnd;
    SetCapture(hwnd);
    s.spinButton = button;
    s.spinHot = TRUE;
    s.spinPhase = kSpinFirstDelay;
    SetTimer(hwnd, kSpinDelayTimer, kSpinFirstDelayMs, nullptr);
    InvalidateSpin(s);
    if (NotifySpinPressed(s)) StepValue(s, button);
    return true;
}

void NUM_SpinTrack(NumEditState& s, int x, int y) {
    if (!SpinHeld(s)) return;
    const BOOL hot = SpinButtonAt(s, x, y) == s.spinButton;
    if (hot == s.spinHot) return;
    s.spinHot = hot;
    InvalidateSpin(s);
}

LRESULT NUM_Timer(NumEditState& s, UINT_PTR id) {
    HWND hwnd = s.core.hwnd;
    if (id == kSpinDelayTimer && s.spinPhase == kSpinFirstDelay) {
        KillTimer(hwnd, kSpinDelayTimer);
        s.spinPhase = kSpinRepeating;
        SetTimer(hwnd, kSpinRepeatTimer, kSpinRepeatMs, nullptr);
        StepIfHot(s);
    } else if (id == kSpinRepeatTimer && s.spinPhase == kSpinRepeating) {
        StepIfHot(s);
    }
    return 0;
}

void EndSpin(NumEditState& s) {
    HWND hwnd = s.core.hwnd;
    KillTimer(hwnd, kSpinDelayTimer);
    KillTimer(hwnd, kSpinRepeatTimer);
    s.spinPhase = kSpinIdle;
    if (!SpinHeld(s)) return;
    s.spinButton = kNoSpinButton;  // before the release: it comes back as WM_CAPTURECHANGED
    s.spinHot = FALSE;
    if (GetCapture() == hwnd) ReleaseCapture();
    InvalidateSpin(s);
}

bool SpinHeld(const NumEditState& s) { return s.spinButton != kNoSpinButton; }

void StepValue(NumEditState& s, SpinButton button) {
    HWND hwnd = s.core.hwnd;
    if (!ChangePermitted(hwnd)) {
        MessageBeep(MB_ICONHAND);
        return;
    }
    const double step = button == kSpinUp ? s.delta : -s.delta;
    const double value = ClampToRange(StepBase(s) + step, RangeOf(s));
    if (!std::isfinite(value)) {
        MessageBeep(MB_ICONHAND);  // past the largest number there is
        return;
    }
    NumberEditBuffer buffer;
    buffer.text = EditFormOfValue(value, LookOf(s));
    const bool cut = CutToLimit(buffer.text, s.textLimit);
    buffer.caret = static_cast<int>(buffer.text.size());
    if (StoreUserText(s, buffer, cut)) SendMessageA(hwnd, kChangeHookMessage, 0, 0);
}

int NUM_EnableSpinButtons(NumEditState& s, int enable) {
    HWND hwnd = s.core.hwnd;
    if (!enable) EndSpin(s);
    s.spinButtons = enable != 0;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const DWORD bit = kNumSpinButtonsBit;
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(enable ? style | bit : style & ~bit));
    UpdateSpinReserve(s);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

}  // namespace tw
