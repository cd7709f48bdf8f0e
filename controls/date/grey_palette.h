#pragma once
// The six-entry grey palette the date edit realises for its button face on 8-bit palette
// displays (levels 180, 195, 210, 225, 240, 255).

#include <windows.h>

namespace tw {

// On a palette device of 8 bits per pixel: selects and realises the grey palette in `dc`
// and returns the palette it replaced; null (nothing done) on other devices.
HPALETTE SelectGreyPaletteIfNeeded(HDC dc);

// Puts back the palette SelectGreyPaletteIfNeeded replaced.
void RestorePalette(HDC dc, HPALETTE previous);

}  // namespace tw
