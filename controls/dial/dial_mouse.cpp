// The dial's mouse (see dial_mouse.h).

#include "controls/dial/dial_mouse.h"

#include "controls/dial/dial_geometry.h"
#include "controls/dial/dial_notify.h"
#include "controls/dial/tarn32_dial.h"

namespace tw {

namespace {

DialLayout ClientLayout(const DialState& s) {
    RECT client;
    GetClientRect(s.self, &client);
    return LayoutDial(client.right, client.bottom);
}

LONG* PressedFlagOf(DialState& s, LONG part) {
    if (part == kLeftStep) return &s.leftPressed;
    if (part == kRightStep) return &s.rightPressed;
    return nullptr;
}

const DialBox* ButtonBoxOf(const DialLayout& layout, LONG part) {
    if (part == kLeftStep) return &layout.leftButton;
    if (part == kRightStep) return &layout.rightButton;
    return nullptr;
}

void Repaint(const DialState& s) { InvalidateRect(s.self, nullptr, FALSE); }

void StopTimers(DialState& s) {
    KillTimer(s.self, DIAL_TIMER_DELAY);
    KillTimer(s.self, DIAL_TIMER_REPEAT);
    s.repeatTimer = 0;
}

// Releases whatever the press holds; the capture itself is the caller's.
void EndPress(DialState& s) {
    StopTimers(s);
    const bool held = s.pressedPart != kNoPart;
    s.pressedPart = kNoPart;
    s.leftPressed = s.rightPressed = 0;
    s.tracking = 0;
    if (held) Repaint(s);
}

void ReleaseOwnCapture(const DialState& s) {
    if (GetCapture() == s.self) ReleaseCapture();
}

void Step(DialState& s) {
    const int code = StepOfButton(s, static_cast<DialPart>(s.pressedPart));
    if (code >= 0) NotifyScroll(s, code, s.position);
}

LRESULT PressStepButton(DialState& s, DialPart button) {
    s.pressedPart = button;
    *PressedFlagOf(s, button) = 1;
    Repaint(s);
    s.repeatTimer = DIAL_TIMER_DELAY;
    SetTimer(s.self, DIAL_TIMER_DELAY, kStepDelayMs, nullptr);
    Step(s);
    return 0;
}

// Reports the value under (x, y); a drag reports only values that differ from the last one.
void TrackKnob(DialState& s, int x, int y, bool always) {
    const DialLayout layout = ClientLayout(s);
    const int angle = PointAngle(x - layout.centreX, y - layout.centreY, s.direction);
    const LONG value = ValueAtAngle(angle, TurnOf(s), ValuesOf(s));
    if (!always && value == s.trackValue) return;
    s.trackValue = value;
    NotifyScroll(s, SB_THUMBTRACK, value);
}

}  // namespace

LRESULT DIAL_LeftButtonDown(DialState& s, int x, int y) {
    const HWND hwnd = s.self;
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_TABSTOP) {
        SetFocus(hwnd);
        if (!DialAlive(hwnd, &s)) return 0;  // destroyed by whoever lost the focus
    }
    EndPress(s);
    SetCapture(hwnd);
    const DialLayout layout = ClientLayout(s);
    if (layout.leftButton.Contains(x, y)) return PressStepButton(s, kLeftStep);
    if (layout.rightButton.Contains(x, y)) return PressStepButton(s, kRightStep);
    s.pressedPart = kKnob;
    s.tracking = 1;
    TrackKnob(s, x, y, true);
    return 0;
}

LRESULT DIAL_MouseMove(DialState& s, int x, int y) {
    if (s.tracking) {
        TrackKnob(s, x, y, false);
        return 0;
    }
    LONG* flag = PressedFlagOf(s, s.pressedPart);
    if (!flag) return 0;
    const LONG over = ButtonBoxOf(ClientLayout(s), s.pressedPart)->Contains(x, y);
    if (over == *flag) return 0;
    *flag = over;
    Repaint(s);
    return 0;
}

LRESULT DIAL_EndPress(DialState& s) {
    EndPress(s);
    ReleaseOwnCapture(s);
    return 0;
}

bool DIAL_Timer(DialState& s, UINT_PTR id) {
    if (id == DIAL_TIMER_DELAY && s.repeatTimer == DIAL_TIMER_DELAY) {
        KillTimer(s.self, DIAL_TIMER_DELAY);
        s.repeatTimer = DIAL_TIMER_REPEAT;
        SetTimer(s.self, DIAL_TIMER_REPEAT, kStepRepeatMs, nullptr);
        return true;
    }
    if (id == DIAL_TIMER_REPEAT && s.repeatTimer == DIAL_TIMER_REPEAT) {
        const LONG* flag = PressedFlagOf(s, s.pressedPart);
        if (flag && *flag) Step(s);
        return true;
    }
    return id == DIAL_TIMER_DELAY || id == DIAL_TIMER_REPEAT;  // a late tick of a stopped timer
}

LRESULT DIAL_CaptureChanged(DialState& s, HWND newCapture) {
    if (newCapture != s.self) EndPress(s);
    return 0;
}

LRESULT DIAL_Enable(DialState& s, bool enabled) {
    s.enabled = enabled;
    if (!enabled) DIAL_EndPress(s);
    Repaint(s);
    return 0;
}

}  // namespace tw
