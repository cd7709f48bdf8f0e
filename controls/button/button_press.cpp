// Pressing the button (see button_press.h).

#include "controls/button/button_press.h"

#include "controls/button/repeat_timing.h"
#include "controls/button/tarn32_button.h"

namespace tw {
namespace {

bool IsPersistent(const ButtonState& s) { return HasButtonStyle(s, TBS_PERSISTENT); }
bool IsAutoRepeat(const ButtonState& s) { return HasButtonStyle(s, TBS_AUTOREPEAT); }

// WM_COMMAND to the parent; true while the button still lives afterwards.
bool Notify(ButtonState& s, WORD code) {
    HWND self = s.self;
    HWND parent = GetParent(self);
    const WORD id = WORD(GetWindowLongPtrA(self, GWLP_ID));
    if (parent) SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(self));
    return ButtonStateOf(self) == &s;
}

// Pushes or releases, repainting and sending code 2 or 3 with the notify style; true while
// the button still lives.
bool ChangePushed(ButtonState& s, bool pushed) {
    if (IsPushed(s) == pushed) return true;
    s.state = pushed ? s.state | kStatePushed : s.state & ~kStatePushed;
    RepaintButton(s);
    if (!HasButtonStyle(s, TBS_NOTIFY)) return true;
    return Notify(s, pushed ? TBN_PUSHED : TBN_RELEASED);
}

bool Click(ButtonState& s) { return Notify(s, TBN_CLICKED); }

void StartTimer(ButtonState& s, UINT_PTR id, int ms) {
    StopRepeating(s);
    if (SetTimer(s.self, id, UINT(ms), nullptr)) s.repeatTimer = DWORD(id);
}

void StartRepeating(ButtonState& s) {
    int delay = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    StartTimer(s, kFirstDelayTimer, RepeatFirstDelayMs(delay));
}

// A persistent button toggles: down with code 2 and a click, up with code 3 only.
void Toggle(ButtonState& s) {
    const bool goingDown = !IsPushed(s);
    if (ChangePushed(s, goingDown) && goingDown) Click(s);
}

bool PointInside(const ButtonState& s, POINT at) {
    RECT client;
    GetClientRect(s.self, &client);
    return PtInRect(&client, at) != FALSE;
}

// Ends a captured press: the capture goes, the repeating stops, a normal button comes up.
// True when the button came up from down (and still lives).
bool EndPress(ButtonState& s) {
    s.state &= ~kStateCaptured;
    if (GetCapture() == s.self) ReleaseCapture();
    StopRepeating(s);
    if (IsPersistent(s) || !IsPushed(s)) return false;
    return ChangePushed(s, false);
}

bool IsPressKey(UINT key) { return key == VK_RETURN || key == VK_SPACE; }

void MoveFocus(ButtonState& s, bool previous) {
    HWND parent = GetParent(s.self);
    HWND next = parent ? GetNextDlgTabItem(parent, s.self, previous) : nullptr;
    if (next && next != s.self) SetFocus(next);
}

bool KeyHeld(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

}  // namespace

void StopRepeating(ButtonState& s) {
    if (s.repeatTimer) KillTimer(s.self, s.repeatTimer);
    s.repeatTimer = 0;
}

LRESULT BTN_LeftButtonDown(ButtonState& s, POINT at) {
    HWND self = s.self;
    if (GetFocus() != self) SetFocus(self);
    if (ButtonStateOf(self) != &s || !PointInside(s, at)) return 0;
    SetCapture(self);
    s.state |= kStateCaptured;
    if (IsPersistent(s)) {
        Toggle(s);
        return 0;
    }
    if (!ChangePushed(s, true) || !IsAutoRepeat(s)) return 0;
    if (Click(s)) StartRepeating(s);
    return 0;
}

LRESULT BTN_MouseMove(ButtonState& s, POINT at) {
    if (!(s.state & kStateCaptured) || IsPersistent(s)) return 0;
    ChangePushed(s, PointInside(s, at));
    return 0;
}

LRESULT BTN_LeftButtonUp(ButtonState& s) {
    if (!(s.state & kStateCaptured)) return 0;
    const bool autoRepeat = IsAutoRepeat(s);
    if (EndPress(s) && !autoRepeat) Click(s);
    return 0;
}

LRESULT BTN_CancelMode(ButtonState& s) {
    if (s.state & kStateCaptured) EndPress(s);
    return 0;
}

LRESULT BTN_CaptureChanged(ButtonState& s) { return BTN_CancelMode(s); }

bool BTN_KeyDown(ButtonState& s, UINT key) {
    if (key == VK_TAB) {
        MoveFocus(s, KeyHeld(VK_SHIFT));
        return true;
    }
    if ((key == VK_LEFT || key == VK_RIGHT) && !KeyHeld(VK_CONTROL) && !KeyHeld(VK_MENU)) {
        MoveFocus(s, key == VK_LEFT);
        return true;
    }
    if (!IsPressKey(key)) return false;
    if (IsPersistent(s)) {
        Toggle(s);
    } else if (ChangePushed(s, true) && IsAutoRepeat(s)) {
        Click(s);
    }
    return true;
}

bool BTN_KeyUp(ButtonState& s, UINT key) {
    if (!IsPressKey(key)) return false;
    if (IsPersistent(s) || !IsPushed(s) || (s.state & kStateCaptured)) return true;
    const bool autoRepeat = IsAutoRepeat(s);
    if (ChangePushed(s, false) && !autoRepeat) Click(s);
    return true;
}

LRESULT BTN_Timer(ButtonState& s, UINT_PTR id) {
    if (id == kFirstDelayTimer && s.repeatTimer == kFirstDelayTimer) {
        int speed = 0;
        SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
        StartTimer(s, kRepeatTimer, RepeatPeriodMs(speed));
    } else if (id == kRepeatTimer && s.repeatTimer == kRepeatTimer && IsPushed(s)) {
        Click(s);
    }
    return 0;
}

LRESULT BTN_SetFocus(ButtonState& s) {
    s.state |= kStateFocus;
    RepaintButton(s);
    return 0;
}

LRESULT BTN_KillFocus(ButtonState& s) {
    s.state &= ~kStateFocus;
    RepaintButton(s);
    // A press held by the keyboard ends without a click when the focus leaves.
    if (!(s.state & kStateCaptured) && !IsPersistent(s)) ChangePushed(s, false);
    return 0;
}

LRESULT BTN_Enable(ButtonState& s, bool enabled) {
    s.state = enabled ? s.state | kStateEnabled : s.state & ~kStateEnabled;
    if (!enabled) {
        HWND self = s.self;
        StopRepeating(s);
        if (s.state & kStateCaptured) EndPress(s);
        if (ButtonStateOf(self) != &s) return 0;
    }
    RepaintButton(s);
    return 0;
}

LRESULT BTN_GetState(const ButtonState& s) {
    return (IsPushed(s) ? TBST_PUSHED : 0) | ((s.state & kStateFocus) ? TBST_FOCUS : 0);
}

LRESULT BTN_SetState(ButtonState& s, bool pushed) {
    ChangePushed(s, pushed);
    return 1;
}

LRESULT BTN_StopRepeat(ButtonState& s) {
    if (IsAutoRepeat(s)) StopRepeating(s);
    return 1;
}

}  // namespace tw
