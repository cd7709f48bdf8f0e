// Text area and character positions of the edit controls (see edit_geometry.h).

#include "controls/common/edit_geometry.h"

#include <cstdlib>

#include "controls/borders.h"

namespace tw {

RECT TextArea(const EditCore& core) {
    RECT area;
    GetClientRect(core.hwnd, &area);
    const int inset = OwnBorderInset(static_cast<int>(core.borderKind));
    InflateRect(&area, -inset, -inset);
    area.left += kTextLeftInset;
    area.right -= core.rightReserve;
    if (area.right < area.left) area.right = area.left;
    return area;
}

LRESULT EDIT_GetRect(const EditCore& core, RECT* rect) {
    if (rect) *rect = TextArea(core);
    return 0;
}

int LineHeight(const EditCore& core) {
    return core.digitStyle == kBitmapDigits ? core.digitHeight : core.metrics.height;
}

int CellWidth(const EditCore& core) {
    return core.digitStyle == kBitmapDigits ? core.digitWidth : core.metrics.cellWidth;
}

namespace {

constexpr int kCaretRoom = 2;  // kept free right of right-aligned text for the caret

// X of the boundary before `index` from the first visible character, text left-aligned.
int LeftAlignedX(const EditCore& core, HDC dc, int index) {
    const int first = core.firstVisible;
    if (core.digitStyle != kPlainText) return (index - first) * CellWidth(core);
    const char* text = ShownText(core);
    const int length = ShownLength(core);
    if (index > length) index = length;
    if (index <= first) {
        SIZE before = {};
        GetTextExtentPoint32A(dc, text + index, first - index, &before);
        return -before.cx;
    }
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text + first, index - first, &extent);
    return extent.cx;
}

// How far centred or right-aligned text stands right of the text area's left edge; 0 for left
// alignment and for text as wide as the area.
int AlignmentShift(const EditCore& core, HDC dc) {
    if (core.alignment == 0) return 0;
    const RECT area = TextArea(core);
    const int room = area.right - area.left - kCaretRoom;
    const int width = LeftAlignedX(core, dc, ShownLength(core));
    if (width >= room) return 0;
    return core.alignment == 2 ? room - width : (room - width) / 2;
}

}  // namespace

int BoundaryX(const EditCore& core, HDC dc, int index) {
    return LeftAlignedX(core, dc, index) + AlignmentShift(core, dc);
}

int BoundaryNearest(const EditCore& core, int x) {
    const RECT area = TextArea(core);
    const int relative = x - area.left;
    HGDIOBJ previous = nullptr;
    HDC dc = AcquireFontDC(core, previous);
    const int length = ShownLength(core);
    int best = core.firstVisible;
    int bestDistance = abs(relative - BoundaryX(core, dc, best));
    for (int i = core.firstVisible + 1; i <= length; ++i) {
        const int distance = abs(relative - BoundaryX(core, dc, i));
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    ReleaseFontDC(core, dc, previous);
    return best;
}

HDC AcquireFontDC(const EditCore& core, HGDIOBJ& previousFont) {
    HDC dc = GetDC(core.hwnd);
    previousFont = SelectObject(dc, core.font ? core.font : GetStockObject(SYSTEM_FONT));
    return dc;
}

void ReleaseFontDC(const EditCore& core, HDC dc, HGDIOBJ previousFont) {
    SelectObject(dc, previousFont);
    ReleaseDC(core.hwnd, dc);
}

}  // namespace tw
