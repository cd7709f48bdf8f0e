// Digit-strip bitmaps: size choice, loading and drawing (see digit_strips.h).

#include "controls/common/digit_strips.h"

#include "controls/library_data.h"
#include "controls/res/digit_strips.h"

namespace tw {
namespace {

const int kStripFirstIds[kStripCount] = {kDigitStripNormalId, kDigitStripSelectedId,
                                         kDigitStripDisabledId};

}  // namespace

int StripSizeForFontHeight(int fontHeight) {
    const int scaled = fontHeight * 3 / 2;
    if (scaled < 19) return 0;
    if (scaled < 22) return 1;
    if (scaled > 25) return 3;
    return 2;
}

bool LoadDigitStrips(EditCore& core, int size) {
    if (size < 0 || size > 3) return false;
    FreeDigitStrips(core);
    for (int kind = 0; kind < kStripCount; ++kind) {
        core.strips[kind] =
            LoadBitmapA(LibraryModule(), MAKEINTRESOURCEA(kStripFirstIds[kind] + size));
        if (!core.strips[kind]) {
            FreeDigitStrips(core);
            return false;
        }
    }
    core.stripSize = size;
    core.digitWidth = static_cast<WORD>(kDigitCellSizes[size].width);
    core.digitHeight = static_cast<WORD>(kDigitCellSizes[size].height);
    return true;
}

void FreeDigitStrips(EditCore& core) {
    for (HBITMAP& strip : core.strips) {
        if (strip) DeleteObject(strip);
        strip = nullptr;
    }
    core.stripSize = -1;
}

void DrawStripText(const EditCore& core, HDC dc, int x, int y, const char* text, int count,
                   StripKind kind) {
    HBITMAP strip = core.strips[kind];
    if (!strip) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, strip);
    for (int i = 0; i < count; ++i) {
        const int cell = DigitStripCell(text[i]);
        BitBlt(dc, x + i * core.digitWidth, y, core.digitWidth, core.digitHeight, source,
               cell * core.digitWidth, 0, SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace tw
