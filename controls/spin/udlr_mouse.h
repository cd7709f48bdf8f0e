#pragma once
// The four-way spin's mouse: a press captures the mouse and shows the arrow under the pointer
// pressed, the arrow follows the pointer, and the release tells the parent the arrow it ends
// on. While an arrow is held, a repeat timer waits the keyboard delay and then repeats its
// code at the keyboard speed. Capture loss, WM_CANCELMODE and disabling end a press without a
// notification.

#include "controls/spin/udlr_state.h"

namespace tw {

// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK.
LRESULT UDLR_LeftButtonDown(UdlrState& s, int x, int y);
// WM_MOUSEMOVE: while tracking, the arrow under the pointer (none off the arrows).
LRESULT UDLR_MouseMove(UdlrState& s, int x, int y);
// WM_LBUTTONUP: ends the press, then notifies the arrow under the release, if any.
LRESULT UDLR_LeftButtonUp(UdlrState& s, int x, int y);
// WM_TIMER: the first delay hands over to the repeat, whose ticks notify the held arrow. False
// for a timer that is not the spin's.
bool UDLR_Timer(UdlrState& s, UINT_PTR id);
// WM_CAPTURECHANGED: a capture taken by another window ends the press.
LRESULT UDLR_CaptureChanged(UdlrState& s, HWND newCapture);
// WM_CANCELMODE: ends the press and releases the capture.
LRESULT UDLR_CancelMode(UdlrState& s);
// WM_ENABLE: records the disabled state (disabling ends a press) and repaints.
LRESULT UDLR_Enable(UdlrState& s, bool enabled);

}  // namespace tw
