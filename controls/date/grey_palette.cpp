// The button face's grey palette for 8-bit palette displays (see grey_palette.h).

#include "controls/date/grey_palette.h"

#include <cstddef>

namespace tw {
namespace {

constexpr BYTE kGreyLevels[] = {180, 195, 210, 225, 240, 255};
constexpr int kGreyCount = sizeof kGreyLevels;

// Created once and kept for the process: every date edit paints with the same palette.
HPALETTE GreyPalette() {
    static HPALETTE palette = [] {
        // LOGPALETTE ends in a one-entry array; the block holds all six entries after it.
        alignas(LOGPALETTE)
            BYTE block[sizeof(LOGPALETTE) + (kGreyCount - 1) * sizeof(PALETTEENTRY)] = {};
        auto* header = reinterpret_cast<LOGPALETTE*>(block);
        header->palVersion = 0x300;
        header->palNumEntries = kGreyCount;
        auto* entries = reinterpret_cast<PALETTEENTRY*>(block + offsetof(LOGPALETTE, palPalEntry));
        for (int i = 0; i < kGreyCount; ++i)
            entries[i] = {kGreyLevels[i], kGreyLevels[i], kGreyLevels[i], 0};
        return CreatePalette(header);
    }();
    return palette;
}

}  // namespace

HPALETTE SelectGreyPaletteIfNeeded(HDC dc) {
    if (!(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) || GetDeviceCaps(dc, BITSPIXEL) != 8)
        return nullptr;
    HPALETTE palette = GreyPalette();
    if (!palette) return nullptr;
    HPALETTE previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    return previous;
}

void RestorePalette(HDC dc, HPALETTE previous) {
    if (previous) SelectPalette(dc, previous, FALSE);
}

}  // namespace tw
