#pragma once
// Client interface of the percent bar, window class "TarnPercentBar32": a display-only bar
// filled from the left in proportion to a progress against a limit, with the percentage, a
// scale of labels and tick marks on request. Every function takes the bar's window handle
// first and returns 0 on a window that is not a percent bar.

#include <windows.h>

#define TARN_PERCENTBAR_CLASS "TarnPercentBar32"

// Style bits (low word of the window style). At creation the first border bit in the order
// sunken, raised, single gives the border kind.
#define PCTS_BORDERSUNKEN 0x0001
#define PCTS_BORDERRAISED 0x0002
#define PCTS_BORDERSINGLE 0x0004
#define PCTS_TICKMARKS 0x0008
#define PCTS_SCALELABELS 0x0010
#define PCTS_PERCENT 0x0020

// Private messages; each does what the function of the same name does.
#define PCTM_SETLIMIT 0x400        // lParam: limit
#define PCTM_SETPROGRESS 0x401     // lParam: progress
#define PCTM_SETBKCOLOR 0x402      // lParam: colour (index 2)
#define PCTM_SETFACECOLOR 0x403    // lParam: colour (index 8)
#define PCTM_SETBARCOLOR 0x404     // lParam: colour (index 16)
#define PCTM_SETTEXTCOLOR 0x405    // lParam: colour (index 4)
#define PCTM_SETPERCENTFONT 0x406  // wParam: font
#define PCTM_GETPROGRESS 0x407
#define PCTM_GETLIMIT 0x408

// Colour indexes of pbSetColor.
#define PCT_COLOR_HIGHLIGHT 0
#define PCT_COLOR_SHADOW 1
#define PCT_COLOR_BACKGROUND 2
#define PCT_COLOR_TEXT 4
#define PCT_COLOR_FACE 8
#define PCT_COLOR_BAR 16

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnPctBarWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Setters return 1 when done, 0 without percent bar state or for an unknown index or kind.
// The limit cuts a progress above it; the progress is cut to the limit (a negative one is
// kept as given).
LONG WINAPI pbSetLimit(HWND hwnd, LONG limit);
LONG WINAPI pbSetProgress(HWND hwnd, LONG progress);
LONG WINAPI pbGetProgress(HWND hwnd);
LONG WINAPI pbGetLimit(HWND hwnd);
// Colour values follow the library's convention (bit 28: NOT of a system colour index).
LONG WINAPI pbSetColor(HWND hwnd, int index, DWORD color);
// Font of the percentage; null is the stock system font.
LONG WINAPI pbSetPercentFont(HWND hwnd, HFONT font);
// Border kind 0 none, 1 single, 2 raised, 3 sunken.
LONG WINAPI pbSetBorderStyle(HWND hwnd, int kind);
LONG WINAPI pbEnableTickMarks(HWND hwnd, BOOL enable);
LONG WINAPI pbEnableText(HWND hwnd, BOOL enable);
LONG WINAPI pbEnablePercent(HWND hwnd, BOOL enable);

#ifdef __cplusplus
}
#endif
