#pragma once
// Client interface of the dial, window class "TarnDial32": a round knob standing for a position
// within a value range, drawn as a pointer swept through a turn range of angles. Like a scroll
// bar it does not move itself: clicks, drags and keys reach the owner as WM_VSCROLL (scroll
// code in the low word, a position in the high word of wParam, the dial's handle in lParam),
// and the owner sets the new position with SetDialPos. Every function takes the dial's window
// handle first and returns 0 (leaving its out-arguments alone) on a window that is not a dial.

#include <windows.h>

#define TARN_DIAL_CLASS "TarnDial32"

// Window word (16 bits) at this offset: nonzero sends the scroll messages to the dial itself
// instead of its parent (for a client that subclasses it).
#define DIAL_NOTIFYSELF_WORD 10

// The dial's answer to WM_GETDLGCODE.
#define DIAL_DLGCODE 0x189

// Timers of the step buttons: the first delay, then the repeat.
#define DIAL_TIMER_DELAY 1
#define DIAL_TIMER_REPEAT 2

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnDialWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The position cut into the value range; repaints when `redraw` is nonzero. Returns the
// previous position.
LONG WINAPI SetDialPos(HWND hwnd, LONG position, BOOL redraw);
LONG WINAPI GetDialPos(HWND hwnd);
// Stores the value range (the position is not cut); repaints when asked. Returns 1.
LONG WINAPI SetDialRange(HWND hwnd, LONG minimum, LONG maximum, BOOL redraw);
// Fills the non-null pointers; returns 1.
LONG WINAPI GetDialRange(HWND hwnd, LONG* minimum, LONG* maximum);
// The angles in degrees of the minimum and the maximum (0 right, 90 up); repaints when asked.
// Returns 1.
LONG WINAPI SetDialTurnRange(HWND hwnd, LONG startAngle, LONG endAngle, BOOL redraw);
LONG WINAPI GetDialTurnRange(HWND hwnd, LONG* startAngle, LONG* endAngle);
// Direction 1 (the default) lets positions grow clockwise, 0 counterclockwise; only bit 0 of
// `direction` counts. Repaints; returns the previous direction.
LONG WINAPI SetDialDirection(HWND hwnd, LONG direction);
LONG WINAPI GetDialDirection(HWND hwnd);

#ifdef __cplusplus
}
#endif
