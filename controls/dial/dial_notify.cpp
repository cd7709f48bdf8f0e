// What the dial tells its owner (see dial_notify.h).

#include "controls/dial/dial_notify.h"

#include "controls/dial/tarn32_dial.h"

namespace tw {

bool NotifyScroll(const DialState& s, int code, LONG position) {
    const HWND hwnd = s.self;
    const HWND target = GetWindowWord(hwnd, DIAL_NOTIFYSELF_WORD) ? hwnd : GetParent(hwnd);
    if (!target) return true;
    const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position));
    SendMessageA(target, WM_VSCROLL, wParam, reinterpret_cast<LPARAM>(hwnd));
    return DialAlive(hwnd, &s);
}

int StepTowardsMinimum(const DialState& s) { return s.position > s.minimum ? SB_LINEUP : -1; }

int StepTowardsMaximum(const DialState& s) { return s.position < s.maximum ? SB_LINEDOWN : -1; }

int StepOfButton(const DialState& s, DialPart button) {
    if (button != kLeftStep && button != kRightStep) return -1;
    const bool towardsMinimum = (button == kLeftStep) == (s.direction == 1);
    return towardsMinimum ? StepTowardsMinimum(s) : StepTowardsMaximum(s);
}

}  // namespace tw
