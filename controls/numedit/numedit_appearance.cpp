// Appearance of the numeric edit (see numedit_appearance.h).

#include "controls/numedit/numedit_appearance.h"

#include "controls/borders.h"
#include "controls/common/edit_appearance.h"
#include "controls/common/edit_caret.h"
#include "controls/common/edit_font.h"
#include "controls/numedit/numedit_changes.h"
#include "controls/numedit/numedit_spin.h"

namespace tw {

int NUM_SetDisplayStyle(NumEditState& s, int style) {
    ApplyDisplayStyle(s.core, style, OtherStyle::KeepDigitStyle);
    if (!ReformatEditText(s, s.decimalSep)) return 1;
    RefreshShownText(s);
    PlaceCaret(s.core);
    return 1;
}

int NUM_SetAlignment(NumEditState& s, int alignment) {
    HWND hwnd = s.core.hwnd;
    s.core.alignment = static_cast<WORD>(alignment == 1 || alignment == 2 ? alignment : 0);
    const DWORD bits = s.core.alignment == 1   ? kNumCenterBit
                       : s.core.alignment == 2 ? kNumRightBit
                                               : 0;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    SetWindowLongA(hwnd, GWL_STYLE,
                   static_cast<LONG>((style & ~(kNumCenterBit | kNumRightBit)) | bits));
    PlaceCaret(s.core);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

int NUM_SetColor(NumEditState& s, int index, DWORD color) {
    return SetEditColor(s.core, index, color, false);
}

int NUM_SetBorderStyle(NumEditState& s, int kind) {
    const int done = SetEditBorderKind(s.core, kind, kDateBorderBits);
    UpdateSpinReserve(s);
    return done;
}

int NUM_GetMinWidth(const NumEditState& s) {
    return s.core.metrics.height * 7 / 8 + s.core.metrics.maxWidth +
           BorderAllowance(static_cast<int>(s.core.borderKind));
}

LRESULT NUM_LimitText(NumEditState& s, WPARAM limit) {
    const bool inRange = limit >= 1 && limit <= static_cast<WPARAM>(kMaxTextLimit);
    s.textLimit = static_cast<WORD>(inRange ? limit : kMaxTextLimit);
    return 0;
}

LRESULT NUM_GetLimitText(const NumEditState& s) { return s.textLimit; }

LRESULT NUM_Size(NumEditState& s, int clientWidth, int clientHeight) {
    EDIT_Size(s.core, clientWidth, clientHeight);
    UpdateSpinReserve(s);
    return 0;
}

}  // namespace tw
