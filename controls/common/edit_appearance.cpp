// Colour slots and display styles of the edit controls (see edit_appearance.h).

#include "controls/common/edit_appearance.h"

#include "controls/borders.h"
#include "controls/common/digit_strips.h"
#include "controls/common/edit_caret.h"

namespace tw {
namespace {

constexpr DWORD kBitmapDigitsBit = 0x0010;
constexpr DWORD kFixedCellsBit = 0x0020;

void ChangeStyleBits(HWND hwnd, DWORD set, DWORD clear) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((style & ~clear) | set));
}

}  // namespace

DWORD* ColorSlotForIndex(EditCore& core, int index, bool withButtonFace) {
    switch (index) {
        case 2: return &core.colors[kBackgroundColor];
        case 4: return &core.colors[kTextColor];
        case 0: return &core.colors[kHighlightColor];
        case 1: return &core.colors[kShadowColor];
        case 8: return &core.colors[kFaceColor];
        case 16: return withButtonFace ? &core.colors[kButtonFaceColor] : nullptr;
        default: return nullptr;
    }
}

int SetEditColor(EditCore& core, int index, DWORD color, bool withButtonFace) {
    DWORD* slot = ColorSlotForIndex(core, index, withButtonFace);
    if (!slot) return 0;
    *slot = color;
    InvalidateRect(core.hwnd, nullptr, FALSE);
    return 1;
}

int SetEditBorderKind(EditCore& core, int kind, const BorderStyleBits& bits) {
    core.borderKind = static_cast<DWORD>(kind >= 0 && kind <= 3 ? kind : 0);
    ApplyBorderKind(core.hwnd, static_cast<int>(core.borderKind), bits);
    return 1;
}

void ApplyDisplayStyle(EditCore& core, int style, OtherStyle other) {
    HWND hwnd = core.hwnd;
    if (style == 1 && LoadDigitStrips(core, StripSizeForFontHeight(core.metrics.height))) {
        core.digitStyle = kBitmapDigits;
        ChangeStyleBits(hwnd, kBitmapDigitsBit, kFixedCellsBit);
    } else if (style == 2) {
        core.digitStyle = kFixedCells;
        ChangeStyleBits(hwnd, kFixedCellsBit, kBitmapDigitsBit);
    } else {
        if (style == 0) core.digitStyle = kPlainText;
        if (style != 0 && other == OtherStyle::ReleaseBitmaps) {
            FreeDigitStrips(core);
            if (core.digitStyle == kBitmapDigits) core.digitStyle = kPlainText;
        }
        ChangeStyleBits(hwnd, 0, kBitmapDigitsBit | kFixedCellsBit);
    }
    if (core.caretShown) {
        DestroyEditCaret(core);
        CreateEditCaret(core, true);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT EDIT_Enable(EditCore& core, bool enabled) {
    core.disabled = !enabled;
    InvalidateRect(core.hwnd, nullptr, FALSE);
    return 0;
}

}  // namespace tw
