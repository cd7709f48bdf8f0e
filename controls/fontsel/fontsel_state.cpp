// Fetching the font selector's state (see fontsel_state.h).

#include "controls/fontsel/fontsel_state.h"

#include "controls/control_state.h"
#include "controls/fontsel/tarn32_fontsel.h"

namespace tw {

static_assert(sizeof(void*) != 4 || sizeof(FontSelState) == 52, "the state is 52 bytes");

FontSelState* FontSelStateOf(HWND hwnd) {
    return static_cast<FontSelState*>(
        FetchStatePointer(hwnd, ControlClass::FontSelect, kFontSelStateWord));
}

HWND FamilyList(const FontSelState& s) { return GetDlgItem(s.panel, FS_ID_FAMILYLIST); }
HWND SizeList(const FontSelState& s) { return GetDlgItem(s.panel, FS_ID_SIZELIST); }

TEXTMETRICA ScreenFontMetrics(HFONT font) {
    TEXTMETRICA tm = {};
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    GetTextMetricsA(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return tm;
}

}  // namespace tw
