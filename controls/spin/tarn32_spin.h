#pragma once
// Client interface of the four-way spin, window class "TarnUDLR32": a 28 × 28 square whose four
// triangles between the diagonals are arrows up, right, down and left. When the left button is
// released over an arrow the parent gets WM_COMMAND with the control's identifier and one of
// the codes below in the high word of wParam and the control's handle in lParam; while an arrow
// is held the code also repeats at the system's keyboard rate. The control sizes itself to its
// picture and has no functions of its own.

#include <windows.h>

#define TARN_UDLR_CLASS "TarnUDLR32"

#define UDLRN_UP 100
#define UDLRN_RIGHT 101
#define UDLRN_DOWN 102
#define UDLRN_LEFT 103

// Pictures of the control at rest and with the up, down, left or right arrow pressed.
#define UDLR_BITMAP_REST 305
#define UDLR_BITMAP_UP 306
#define UDLR_BITMAP_DOWN 307
#define UDLR_BITMAP_LEFT 308
#define UDLR_BITMAP_RIGHT 309

// The repeat timer while an arrow is held.
#define UDLR_TIMER_REPEAT 1

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnUDLRWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#ifdef __cplusplus
}
#endif
