// The dial's shades and their palette (see dial_palette.h).

#include "controls/dial/dial_palette.h"

namespace tw {

namespace {

BYTE Between(BYTE from, BYTE to, int index) {
    return static_cast<BYTE>(from + (int(to) - int(from)) * index / (kShadeCount - 1));
}

PALETTEENTRY ShadeEntry(int index) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    return {Between(GetRValue(light), GetRValue(dark), index),
            Between(GetGValue(light), GetGValue(dark), index),
            Between(GetBValue(light), GetBValue(dark), index), 0};
}

// LOGPALETTE with room for all ten entries.
struct ShadePaletteRecord {
    WORD version;
    WORD entryCount;
    PALETTEENTRY entries[kShadeCount];
};

}  // namespace

COLORREF ShadeColor(int index) {
    const PALETTEENTRY e = ShadeEntry(index < 0              ? 0
                                      : index >= kShadeCount ? kShadeCount - 1
                                                             : index);
    return PALETTERGB(e.peRed, e.peGreen, e.peBlue);
}

HPALETTE CreateShadePalette() {
    ShadePaletteRecord record = {0x300, kShadeCount, {}};
    for (int i = 0; i < kShadeCount; ++i) record.entries[i] = ShadeEntry(i);
    return CreatePalette(reinterpret_cast<const LOGPALETTE*>(&record));
}

HPALETTE SelectShadePalette(HDC dc, HPALETTE palette) {
    const bool paletteDisplay =
        (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) && GetDeviceCaps(dc, BITSPIXEL) == 8;
    if (!palette || !paletteDisplay) return nullptr;
    HPALETTE previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    return previous;
}

}  // namespace tw
