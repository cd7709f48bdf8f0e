#pragma once
// The four border kinds of the controls (0 none, 1 single, 2 raised, 3 sunken). On Windows 4
// and later they are the system's frame styles; on earlier Windows the control narrows its
// client area and draws the border itself.

#include <windows.h>

namespace tw {

// Which low-word style bits stand for which kind; the date and time edits differ.
struct BorderStyleBits {
    DWORD single;
    DWORD raised;
    DWORD sunken;
};
constexpr BorderStyleBits kDateBorderBits = {0x4000, 0x2000, 0x1000};
constexpr BorderStyleBits kTimeBorderBits = {0x4000, 0x1000, 0x2000};

struct BorderColors {
    COLORREF highlight;
    COLORREF shadow;
    COLORREF face;
};

// The kind given by the window's styles at creation, after writing back the system styles
// that stand for it. With `fromExtendedStyles` the creator's WS_EX_CLIENTEDGE,
// WS_EX_DLGMODALFRAME and WS_BORDER are first turned into the control's own bits.
int BorderKindAtCreation(HWND hwnd, const BorderStyleBits& bits, bool fromExtendedStyles);

// Switches the window to `kind` (0..3; others are taken as 0) keeping its client size.
void ApplyBorderKind(HWND hwnd, int kind, const BorderStyleBits& bits);

// Pixels the control's own border takes on each side of the client area (0 on Windows 4+).
int OwnBorderInset(int kind);

// Extra height and width a border needs: 2 for a single line, 4 for raised or sunken.
int BorderAllowance(int kind);

// Draws the control's own border (earlier Windows only) along the inside of `rect`.
void DrawOwnBorder(HDC dc, const RECT& rect, int kind, const BorderColors& colors);

// Draws a border of `kind` along the inside of `rect` on any Windows: kind 1 a one-pixel line
// in the window-frame colour, kinds 2 and 3 a raised or sunken frame two pixels wide.
void DrawBorderFrame(HDC dc, const RECT& rect, int kind, const BorderColors& colors);

}  // namespace tw
