// Background, text, own border and drop-down button of the date edit.

#include "controls/date/date_paint.h"

#include "controls/colors.h"
#include "controls/common/edit_paint.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_state.h"
#include "controls/date/grey_palette.h"

namespace tw {
namespace {

constexpr int kFaceBevel = 2;  // the face bitmap's own bevel, left out

// The button spans the client height: its own 3-D edge, and the face bitmap's glyph (the
// bitmap without its 2-pixel bevel) centred on it, one pixel down and right while pressed.
void DrawButtonFace(const DateEditState& s, HDC dc) {
    RECT button = DropButtonRect(s);
    HBRUSH face = CreateResolvedBrush(s.core.colors[kButtonFaceColor]);
    FillRect(dc, &button, face);
    DeleteObject(face);
    const int shift = s.buttonPressed ? 1 : 0;
    BITMAP info = {};
    if (s.buttonFace && GetObjectA(s.buttonFace, sizeof info, &info) && info.bmWidth > 4 &&
        info.bmHeight > 4) {
        const int glyphWidth = info.bmWidth - 2 * kFaceBevel;
        const int glyphHeight = info.bmHeight - 2 * kFaceBevel;
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, s.buttonFace);
        const int x = button.left + (button.right - button.left - glyphWidth) / 2 + shift;
        const int y = button.top + (button.bottom - button.top - glyphHeight) / 2 + shift;
        BitBlt(dc, x, y, glyphWidth, glyphHeight, source, kFaceBevel, kFaceBevel, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    DrawEdge(dc, &button, s.buttonPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

}  // namespace

void PaintDateEdit(EditCore& core, HDC dc, const RECT& client) {
    PaintEditBody(core, dc, client);
    const DateEditState& s = DateStateOf(core);
    if (!s.calendarButton) return;
    HPALETTE previous = SelectGreyPaletteIfNeeded(dc);
    DrawButtonFace(s, dc);
    RestorePalette(dc, previous);
}

}  // namespace tw
