#pragma once
// The sample's pictures, drawn with GDI at start: tool bar image strips and window icons.

#include <windows.h>

#include <vector>

namespace tw::sample {

enum class Glyph {
    New,
    Open,
    Save,
    Cut,
    Copy,
    Paste,
    Print,
    Preview,
    About,
    Pin,
    Count,
    Options,
    Preferences
};

// One image per glyph, side by side, each size wide and high, on the button face colour.
HBITMAP DrawToolBarImages(const std::vector<Glyph>& glyphs, SIZE size);

// A 32 x 32 icon: a page with a coloured band.
HICON DrawDocumentIcon(COLORREF band);

}  // namespace tw::sample
