// Display style, colours, border, size and settings of the time edit (see time_appearance.h).

#include "controls/time/time_appearance.h"

#include "controls/borders.h"
#include "controls/common/edit_appearance.h"
#include "controls/time/time_format.h"

namespace tw {

int TIME_SetDisplayStyle(TimeEditState& s, int style) {
    ApplyDisplayStyle(s.core, style, OtherStyle::ReleaseBitmaps);
    return 1;
}

int TIME_SetColor(TimeEditState& s, int index, DWORD color) {
    return SetEditColor(s.core, index, color, false);
}

int TIME_SetBorderStyle(TimeEditState& s, int kind) {
    return SetEditBorderKind(s.core, kind, kTimeBorderBits);
}

int TIME_GetMinWidth(const TimeEditState& s) {
    return 3 * s.core.metrics.maxWidth + BorderAllowance(static_cast<int>(s.core.borderKind));
}

LRESULT TIME_SettingsChanged(TimeEditState& s, const char* section) {
    if (section && lstrcmpiA(section, "intl") != 0) return 0;
    ReadSystemTimeFormat(s);
    RebuildTimeTexts(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 0;
}

}  // namespace tw
