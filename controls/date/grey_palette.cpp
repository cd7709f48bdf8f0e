// The button face's grey palette for 8-bit palette displays (see grey_palette.h).

#include "controls/date/grey_palette.h"

namespace tw {
namespace {

constexpr BYTE kGreyLevels[] = {180, 195, 210, 225, 240, 255};
constexpr int kGreyCount = sizeof kGreyLevels;

// Created once and kept for the process: every date edit paints with the same palette.
HPALETTE GreyPalette()
{
    static HPALETTE palette = [] {
        struct {
            LOGPALETTE header;
            PALETTEENTRY more[kGreyCount - 1];
        } data = {};
        data.header.palVersion = 0x300;
        data.header.palNumEntries = kGreyCount;
        for (int i = 0; i < kGreyCount; ++i) {
            PALETTEENTRY& entry = data.header.palPalEntry[i];
            entry.peRed = entry.peGreen = entry.peBlue = kGreyLevels[i];
        }
        return CreatePalette(&data.header);
    }();
    return palette;
}

}  // namespace

HPALETTE SelectGreyPaletteIfNeeded(HDC dc)
{
    if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) || GetDeviceCaps(dc, BITSPIXEL) != 8)
        return nullptr;
    HPALETTE palette = GreyPalette();
    if (!palette)
        return nullptr;
    HPALETTE previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    return previous;
}

void RestorePalette(HDC dc, HPALETTE previous)
{
    if (previous)
        SelectPalette(dc, previous, FALSE);
}

}  // namespace tw
