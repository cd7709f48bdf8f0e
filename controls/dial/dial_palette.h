#pragma once
// The dial's ten shades, graded evenly from the 3-D highlight to the 3-D shadow system colour,
// and the logical palette that holds them for displays of 8 bits per pixel.

#include <windows.h>

namespace tw {

constexpr int kShadeCount = 10;

// Shade `index` (0 the highlight .. 9 the shadow) of the current system colours, as a
// palette-relative colour (it matches the palette's entry on a palette display).
COLORREF ShadeColor(int index);

// A palette of the ten shades as they are now; the caller deletes it. Null when GDI is short.
HPALETTE CreateShadePalette();

// On a palette display of 8 bits per pixel: selects and realises `palette` in `dc` and returns
// the palette it replaced; null (nothing done) on other displays or without a palette.
HPALETTE SelectShadePalette(HDC dc, HPALETTE palette);

}  // namespace tw
