// Double-buffered painting of the edit text (see edit_paint.h).

#include "controls/common/edit_paint.h"

#include <algorithm>

#include "controls/borders.h"
#include "controls/colors.h"
#include "controls/common/buffered_paint.h"
#include "controls/common/digit_strips.h"
#include "controls/common/edit_geometry.h"

namespace tw {
namespace {

struct TextRun {
    int from;
    int to;
    bool selected;
};

// The visible text in up to three runs: before, inside and after the selection.
int SplitRuns(const EditCore& core, TextRun* runs) {
    const int first = core.firstVisible;
    const int length = ShownLength(core);
    const bool showSelection = core.hasFocus && HasSelection(core);
    const int selFrom = showSelection ? std::clamp<int>(core.selStart, first, length) : length;
    const int selTo = showSelection ? std::clamp<int>(core.selEnd, first, length) : length;
    int count = 0;
    if (selFrom > first) runs[count++] = {first, selFrom, false};
    if (selTo > selFrom) runs[count++] = {selFrom, selTo, true};
    if (length > selTo) runs[count++] = {selTo, length, false};
    return count;
}

void DrawPlainRun(const EditCore& core, HDC dc, const RECT& area, int y, const TextRun& run,
                  const PaintColors& colors) {
    const int x = area.left + BoundaryX(core, dc, run.from);
    if (run.selected) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, core.disabled ? GetSysColor(COLOR_GRAYTEXT) : colors.textColor);
    }
    TextOutA(dc, x, y, ShownText(core) + run.from, run.to - run.from);
}

void DrawFixedRun(const EditCore& core, HDC dc, const RECT& area, int y, const TextRun& run,
                  const PaintColors& colors) {
    const int cell = CellWidth(core);
    for (int i = run.from; i < run.to; ++i) {
        RECT box = {area.left + BoundaryX(core, dc, i), y, 0, y + LineHeight(core)};
        box.right = box.left + cell;
        if (run.selected) {
            SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
            ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            SetTextColor(dc, core.disabled ? GetSysColor(COLOR_GRAYTEXT) : colors.textColor);
        }
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, ShownText(core) + i, 1, &box,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_TOP);
    }
}

void DrawBitmapRun(const EditCore& core, HDC dc, const RECT& area, int y, const TextRun& run) {
    StripKind kind = run.selected ? kSelectedStrip : kNormalStrip;
    if (core.disabled) kind = kDisabledStrip;
    DrawStripText(core, dc, area.left + BoundaryX(core, dc, run.from), y,
                  ShownText(core) + run.from, run.to - run.from, kind);
}

}  // namespace

PaintColors ChoosePaintColors(const EditCore& core, HDC dc) {
    PaintColors colors = {};
    colors.backgroundColor = ResolveColor(core.colors[kBackgroundColor]);
    colors.textColor = ResolveColor(core.colors[kTextColor]);
    if (core.digitStyle == kBitmapDigits) {
        colors.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        colors.backgroundColor = RGB(0, 0, 0);
        return colors;
    }
    HBRUSH parentBrush = nullptr;
    HWND parent = GetParent(core.hwnd);
    if (parent) {
        parentBrush = reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLOREDIT,
                                                            reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(core.hwnd)));
    }
    if (parentBrush && IsSystemColorValue(core.colors[kBackgroundColor])) {
        colors.background = parentBrush;
        colors.backgroundColor = GetBkColor(dc);
    } else {
        colors.background = CreateSolidBrush(colors.backgroundColor);
        colors.ownsBackground = true;
    }
    if (parentBrush && IsSystemColorValue(core.colors[kTextColor]))
        colors.textColor = GetTextColor(dc);
    return colors;
}

void ReleasePaintColors(PaintColors& colors) {
    if (colors.ownsBackground && colors.background) DeleteObject(colors.background);
    colors.background = nullptr;
    colors.ownsBackground = false;
}

void DrawEditText(const EditCore& core, HDC dc, const PaintColors& colors) {
    const RECT area = TextArea(core);
    HRGN clip = CreateRectRgnIndirect(&area);
    SelectClipRgn(dc, clip);
    HGDIOBJ previousFont = SelectObject(dc, core.font ? core.font : GetStockObject(SYSTEM_FONT));
    const int y = area.top + (area.bottom - area.top - LineHeight(core)) / 2;
    TextRun runs[3];
    const int count = SplitRuns(core, runs);
    for (int i = 0; i < count; ++i) {
        if (core.digitStyle == kBitmapDigits)
            DrawBitmapRun(core, dc, area, y, runs[i]);
        else if (core.digitStyle == kFixedCells)
            DrawFixedRun(core, dc, area, y, runs[i], colors);
        else
            DrawPlainRun(core, dc, area, y, runs[i], colors);
    }
    SelectObject(dc, previousFont);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

void PaintEditBody(EditCore& core, HDC dc, const RECT& client) {
    PaintColors colors = ChoosePaintColors(core, dc);
    FillRect(dc, &client, colors.background);
    const BorderColors border = {ResolveColor(core.colors[kHighlightColor]),
                                 ResolveColor(core.colors[kShadowColor]),
                                 ResolveColor(core.colors[kFaceColor])};
    DrawOwnBorder(dc, client, static_cast<int>(core.borderKind), border);
    DrawEditText(core, dc, colors);
    ReleasePaintColors(colors);
}

void PaintDoubleBuffered(EditCore& core, HDC target, ClientPainter draw) {
    DrawBuffered(core.hwnd, target, [&](HDC dc, const RECT& client) { draw(core, dc, client); });
}

LRESULT EDIT_Paint(EditCore& core, ClientPainter draw) {
    return PaintClient(core.hwnd, [&](HDC dc) { PaintDoubleBuffered(core, dc, draw); });
}

LRESULT EDIT_PrintClient(EditCore& core, HDC dc, ClientPainter draw) {
    PaintDoubleBuffered(core, dc, draw);
    return 0;
}

}  // namespace tw
