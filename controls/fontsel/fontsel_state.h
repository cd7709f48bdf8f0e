#pragma once
// Per-window state of the font selector (52 bytes, pointer in window word 0) and the means to
// fetch it.

#include <windows.h>

#include "controls/fontsel/family_table.h"

namespace tw {

constexpr int kFontSelStateWord = 0;

// Indexes into FontSelState::colors.
enum FontSelColor { kFontSelBackground, kFontSelText, kFontSelFace, kFontSelColorCount };

struct FontSelState {
    HWND panel;          // the child dialog holding the two lists
    HFONT font;          // the lists' font; the stock system font at first
    WORD familyCode;     // command identifier of family changes; 0 = the control's own
    WORD sizeCode;       // command identifier of size changes; 0 = the control's own
    HBITMAP bitmaps[2];  // resources 355 (TrueType) and 356 (other fonts) (owned)
    FamilyTable families;
    DWORD colors[kFontSelColorCount];
    HBRUSH backgroundBrush;  // solid, of the background colour (owned)
    HWND self;
    int lineHeight;  // of the font
};

// The state of a font selector window; null for another window or one without state.
FontSelState* FontSelStateOf(HWND hwnd);

HWND FamilyList(const FontSelState& s);
// The metrics of `font` on the screen.
TEXTMETRICA ScreenFontMetrics(HFONT font);
HWND SizeList(const FontSelState& s);

}  // namespace tw
