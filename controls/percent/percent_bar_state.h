#pragma once
// State of one percent bar window (TarnPercentBar32), kept in window word 0, and its creation
// and destruction.

#include <windows.h>

#include "controls/percent/percent_bar_rules.h"

namespace tw {

// Slots of PercentBarState::colors, in the order the state keeps them.
enum PercentBarColor {
    kBarBackgroundColor,
    kBarTextColor,
    kBarHighlightColor,
    kBarShadowColor,
    kBarFaceColor,
    kBarFillColor,
    kBarColorCount
};

// The first fields are the 60-byte record clients may know, in its order.
struct PercentBarState {
    LONG progress;                 // current value, 0 at creation
    LONG limit;                    // value that fills the bar, 100 at creation
    LONG lastFilledWidth;          // pixels filled at the last paint
    HFONT labelFont;               // WM_SETFONT's; the stock system font for none
    HFONT percentFont;             // pbSetPercentFont's; the stock system font for none
    DWORD colors[kBarColorCount];  // colour values (bit 28: NOT of a system colour index)
    DWORD borderKind;              // 0 none, 1 single, 2 raised, 3 sunken
    BOOL tickMarks;                // style bit 0x0008
    BOOL scaleLabels;              // style bit 0x0010
    BOOL percentage;               // style bit 0x0020
    HWND self;                     // the bar's window
};

// The state of a percent bar window; null for any other window or one without state.
PercentBarState* FetchPercentBarState(HWND hwnd);

// WM_NCCREATE: allocates the state with its defaults and what the style asks for; false,
// nothing kept, when memory is short.
bool PCT_NcCreate(HWND hwnd, const CREATESTRUCTA* create);

// WM_NCDESTROY: clears the window's pointer and frees the state (the fonts are the client's).
void PCT_NcDestroy(PercentBarState& s);

// The font to draw with: `font`, or the stock system font for none.
HFONT FontOrSystem(HFONT font);

}  // namespace tw
