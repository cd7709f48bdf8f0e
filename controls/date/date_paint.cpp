// Background, text, own border and drop-down button of the date edit.

#include "controls/date/date_paint.h"

#include "controls/colors.h"
#include "controls/common/edit_paint.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_state.h"

namespace tw {
namespace {

void DrawButtonFace(const DateEditState& s, HDC dc)
{
    RECT button = DropButtonRect(s);
    HBRUSH face = CreateResolvedBrush(s.core.colors[kButtonFaceColor]);
    FillRect(dc, &button, face);
    DeleteObject(face);
    const int shift = s.buttonPressed ? 1 : 0;
    BITMAP info = {};
    if (s.buttonFace && GetObjectA(s.buttonFace, sizeof info, &info)) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, s.buttonFace);
        const int x = button.left + (button.right - button.left - info.bmWidth) / 2 + shift;
        const int y = button.top + (button.bottom - button.top - info.bmHeight) / 2 + shift;
        BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    DrawEdge(dc, &button, s.buttonPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

}  // namespace

void PaintDateEdit(EditCore& core, HDC dc, const RECT& client)
{
    PaintEditBody(core, dc, client);
    const DateEditState& s = DateStateOf(core);
    if (s.calendarButton)
        DrawButtonFace(s, dc);
}

}  // namespace tw
