#pragma once
// The dial's mouse: the step buttons with their delay and repeat timers, and the knob, whose
// angle under the pointer is reported as SB_THUMBTRACK while the button is held. Every press
// ends (timers killed, parts released) at the button's release, at the loss of the capture,
// at WM_CANCELMODE and when the dial is disabled.

#include "controls/dial/dial_state.h"

namespace tw {

constexpr UINT kStepDelayMs = 1000;  // from a step button's press to its first repeat
constexpr UINT kStepRepeatMs = 100;  // between repeats

// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK: takes the focus (tab-stop style) and the capture, then
// presses a step button (one step now, repeats after the delay) or turns the knob to the point.
LRESULT DIAL_LeftButtonDown(DialState& s, int x, int y);
// WM_MOUSEMOVE: a held step button shows pressed while the pointer is over it; a held knob
// reports each new value under the pointer.
LRESULT DIAL_MouseMove(DialState& s, int x, int y);
// WM_LBUTTONUP and WM_CANCELMODE: ends the press and releases the capture.
LRESULT DIAL_EndPress(DialState& s);
// WM_TIMER: the delay timer hands over to the repeat timer, which steps while the held button
// shows pressed. False for a timer that is not the dial's.
bool DIAL_Timer(DialState& s, UINT_PTR id);
// WM_CAPTURECHANGED: a capture taken by another window ends the press.
LRESULT DIAL_CaptureChanged(DialState& s, HWND newCapture);
// WM_ENABLE: records the state; disabling ends a press. Repaints.
LRESULT DIAL_Enable(DialState& s, bool enabled);

}  // namespace tw
