// Background, text, own border and drop-down button of the date edit.

#include "controls/date/date_paint.h"

#include "controls/borders.h"
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

BorderColors OwnBorderColors(const EditCore& core)
{
    return {ResolveColor(core.colors[kHighlightColor]), ResolveColor(core.colors[kShadowColor]),
            ResolveColor(core.colors[kFaceColor])};
}

}  // namespace

void PaintDateEdit(EditCore& core, HDC dc, const RECT& client)
{
    const DateEditState& s = DateStateOf(core);
    PaintColors colors = ChoosePaintColors(core, dc);
    FillRect(dc, &client, colors.background);
    DrawOwnBorder(dc, client, static_cast<int>(core.borderKind), OwnBorderColors(core));
    DrawEditText(core, dc, colors);
    if (s.calendarButton)
        DrawButtonFace(s, dc);
    ReleasePaintColors(colors);
}

}  // namespace tw
