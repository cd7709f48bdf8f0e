// The four-way spin's mouse (see udlr_mouse.h).

#include "controls/spin/udlr_mouse.h"

#include "controls/spin/tarn32_spin.h"

namespace tw {

namespace {

void Repaint(const UdlrState& s) { InvalidateRect(s.self, nullptr, FALSE); }

// Shows `area` pressed; repaints when it changes.
void Press(UdlrState& s, UdlrArea area) {
    if (s.pressedArea == static_cast<LONG>(area)) return;
    s.pressedArea = static_cast<LONG>(area);
    Repaint(s);
}

RepeatTiming SystemRepeatTiming() {
    int delay = 1;
    DWORD speed = 31;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    return KeyboardRepeatTiming(delay, static_cast<int>(speed));
}

void StartRepeat(UdlrState& s, RepeatPhase phase) {
    const RepeatTiming timing = SystemRepeatTiming();
    s.repeatPhase = phase;
    s.repeatTimer = SetTimer(s.self, UDLR_TIMER_REPEAT,
                             phase == kFirstDelay ? timing.firstDelayMs : timing.periodMs, nullptr);
}

void StopRepeat(UdlrState& s) {
    if (s.repeatTimer) KillTimer(s.self, s.repeatTimer);
    s.repeatTimer = 0;
    s.repeatPhase = kNotRepeating;
}

// Stops tracking and the repeat and shows the control at rest; the capture is the caller's.
void EndPress(UdlrState& s) {
    s.tracking = FALSE;
    StopRepeat(s);
    Press(s, UdlrArea::None);
}

void ReleaseOwnCapture(const UdlrState& s) {
    if (GetCapture() == s.self) ReleaseCapture();
}

// WM_COMMAND to the parent with the area's code. The parent may destroy the control: nothing
// of the state is touched afterwards.
void NotifyArea(const UdlrState& s, UdlrArea area) {
    const int code = UdlrNotifyCode(area);
    HWND parent = GetParent(s.self);
    if (!code || !parent) return;
    const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(s.self)), code);
    SendMessageA(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(s.self));
}

}  // namespace

LRESULT UDLR_LeftButtonDown(UdlrState& s, int x, int y) {
    if (s.disabled) return 0;
    SetCapture(s.self);
    s.tracking = TRUE;
    Press(s, HitTestUdlr(x, y));
    StartRepeat(s, kFirstDelay);
    return 0;
}

LRESULT UDLR_MouseMove(UdlrState& s, int x, int y) {
    if (s.tracking) Press(s, HitTestUdlr(x, y));
    return 0;
}

LRESULT UDLR_LeftButtonUp(UdlrState& s, int x, int y) {
    if (!s.tracking) return 0;
    Press(s, HitTestUdlr(x, y));
    const auto released = static_cast<UdlrArea>(s.pressedArea);
    EndPress(s);
    ReleaseOwnCapture(s);
    NotifyArea(s, released);
    return 0;
}

bool UDLR_Timer(UdlrState& s, UINT_PTR id) {
    if (id != UDLR_TIMER_REPEAT) return false;
    if (s.repeatPhase == kFirstDelay) {
        StartRepeat(s, kRepeating);
    } else if (s.repeatPhase == kRepeating && s.tracking) {
        NotifyArea(s, static_cast<UdlrArea>(s.pressedArea));
    }
    return true;
}

LRESULT UDLR_CaptureChanged(UdlrState& s, HWND newCapture) {
    if (newCapture != s.self) EndPress(s);
    return 0;
}

LRESULT UDLR_CancelMode(UdlrState& s) {
    EndPress(s);
    ReleaseOwnCapture(s);
    return 0;
}

LRESULT UDLR_Enable(UdlrState& s, bool enabled) {
    s.disabled = !enabled;
    if (!enabled) UDLR_CancelMode(s);
    Repaint(s);
    return 0;
}

}  // namespace tw
