#include "grid/win32/grid_paint.h"

#include <algorithm>

#include "grid/win32/cell_format.h"
#include "grid/win32/grid_layout.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

namespace {

const COLORREF kGridLineColour = RGB(216, 216, 216);
const COLORREF kBandColour = RGB(246, 248, 252);  // every other unselected row
const int kTextPadding = 4;

UINT JustifyFlags(unsigned flags, unsigned center, unsigned right) {
    if (flags & right) return DT_RIGHT;
    if (flags & center) return DT_CENTER;
    return DT_LEFT;
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void DrawButtonFace(HDC dc, RECT rect, bool pressed) {
    FillColour(dc, rect, GetSysColor(pressed ? COLOR_3DLIGHT : COLOR_BTNFACE));
    DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT | BF_SOFT);
}

void FillTriangle(HDC dc, const POINT (&points)[3], COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, points, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

// Draws the sort arrow of a column that orders the rows (pointing up when ascending) at the
// right of its header cell; returns the room it took.
int DrawSortArrow(const GridState& state, HDC dc, int col, const RECT& cell) {
    const std::vector<SortLevel> levels = state.model.Sort().Active(state.model.Columns());
    for (size_t level = 0; level < levels.size(); ++level) {
        if (levels[level].column != col) continue;
        const int half = level == 0 ? 4 : 3;
        const int cx = cell.right - 8, cy = (cell.top + cell.bottom) / 2;
        const int dy = levels[level].ascending ? -half / 2 - 1 : half / 2 + 1;
        const POINT arrow[3] = {{cx - half, cy - dy}, {cx + half, cy - dy}, {cx, cy + dy}};
        FillTriangle(dc, arrow, GetSysColor(level == 0 ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        return 14;
    }
    return 0;
}

void DrawHeader(const GridState& state, HDC dc, const RECT& client) {
    const ColumnSet& columns = state.model.Columns();
    SelectObject(dc, state.font);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT strip = {state.selectorWidth, 0, client.right, state.headerHeight};
    DrawButtonFace(dc, strip, false);
    HRGN clip = CreateRectRgn(state.selectorWidth, 0, client.right, state.headerHeight);
    SelectClipRgn(dc, clip);
    for (int col : columns.VisibleColumns()) {
        const int left = ColumnLeft(state, col);
        if (left >= client.right) break;
        RECT cell = {left, 0, left + columns.At(col).width, state.headerHeight};
        if (cell.right <= state.selectorWidth) continue;
        DrawButtonFace(dc, cell, false);
        const int arrowRoom = DrawSortArrow(state, dc, col, cell);
        RECT text = {cell.left + kTextPadding, cell.top, cell.right - kTextPadding - arrowRoom,
                     cell.bottom};
        DrawTextA(dc, columns.At(col).title.c_str(), -1, &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                      JustifyFlags(columns.At(col).flags, kFlagHeaderCenter, kFlagHeaderRight));
    }
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
    RECT corner = {0, 0, state.selectorWidth, state.headerHeight};
    DrawButtonFace(dc, corner, false);
}

void DrawSelector(const GridState& state, HDC dc, int row, const RECT& rect) {
    const bool selected = state.model.Rows().Attributes(row).selected != 0;
    DrawButtonFace(dc, rect, selected);
    if (row != state.model.CurrentRow() || state.plainSelectors) return;
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    const POINT arrow[3] = {{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}};
    FillTriangle(dc, arrow, GetSysColor(COLOR_BTNTEXT));
}

void DrawMark(HDC dc, const RECT& cell, bool on) {
    const int size = std::min(13, int(cell.bottom - cell.top) - 2);
    const int x = (cell.left + cell.right - size) / 2, y = (cell.top + cell.bottom - size) / 2;
    RECT box = {x, y, x + size, y + size};
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (on ? DFCS_CHECKED : 0));
}

void DrawCell(const GridState& state, HDC dc, int row, int col, const RECT& cell, bool band) {
    const bool selected = state.model.Rows().Attributes(row).selected != 0;
    FillColour(
        dc, cell,
        selected ? GetSysColor(COLOR_HIGHLIGHT) : (band ? kBandColour : GetSysColor(COLOR_WINDOW)));
    const Column& column = state.model.Columns().At(col);
    if (column.type == kTypeMark) {
        DrawMark(dc, cell, state.model.NumberField(row, col) != 0);
        return;
    }
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = {cell.left + kTextPadding, cell.top + 1, cell.right - kTextPadding,
                 cell.bottom - 1};
    const bool tall = cell.bottom - cell.top > state.rowHeight + 2;
    const std::string value = CellText(state, row, col);
    DrawTextA(dc, value.c_str(), int(value.size()), &text,
              DT_NOPREFIX | DT_END_ELLIPSIS | (tall ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER) |
                  JustifyFlags(column.flags, kFlagDataCenter, kFlagDataRight));
}

void DrawGridLines(const GridState& state, HDC dc, const RECT& row) {
    HPEN pen = CreatePen(PS_SOLID, 1, kGridLineColour);
    HGDIOBJ old = SelectObject(dc, pen);
    if (!(state.hiddenLines & kHideHorizontalLines)) {
        MoveToEx(dc, row.left, row.bottom - 1, nullptr);
        LineTo(dc, row.right, row.bottom - 1);
    }
    if (!(state.hiddenLines & kHideVerticalLines)) {
        for (int col : state.model.Columns().VisibleColumns()) {
            const int x = ColumnLeft(state, col) + state.model.Columns().At(col).width - 1;
            if (x < row.left) continue;
            if (x >= row.right) break;
            MoveToEx(dc, x, row.top, nullptr);
            LineTo(dc, x, row.bottom);
        }
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawFocus(const GridState& state, HDC dc, int row) {
    RECT cell;
    if (!CellRect(state, row, state.model.CurrentColumn(), cell)) return;
    const bool focused = GetFocus() == state.hwnd;
    HBRUSH brush = CreateSolidBrush(focused ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW));
    FrameRect(dc, &cell, brush);
    if (focused) {
        InflateRect(&cell, -1, -1);
        FrameRect(dc, &cell, brush);
    }
    DeleteObject(brush);
}

void DrawRow(const GridState& state, HDC dc, int row, int top, const RECT& client) {
    const int height = RowHeightOf(state, row);
    RECT selector = {0, top, state.selectorWidth, top + height};
    DrawSelector(state, dc, row, selector);
    HRGN clip = CreateRectRgn(state.selectorWidth, top, client.right, top + height);
    SelectClipRgn(dc, clip);
    SelectObject(dc, RowFont(state, row));
    SetBkMode(dc, TRANSPARENT);
    for (int col : state.model.Columns().VisibleColumns()) {
        const int left = ColumnLeft(state, col);
        if (left >= client.right) break;
        RECT cell = {left, top, left + state.model.Columns().At(col).width, top + height};
        if (cell.right > state.selectorWidth) DrawCell(state, dc, row, col, cell, row % 2 == 1);
    }
    const int right =
        std::min<int>(client.right, state.selectorWidth - state.scrollX + DataWidth(state));
    DrawGridLines(state, dc, RECT{state.selectorWidth, top, right, top + height});
    if (row == state.model.CurrentRow()) DrawFocus(state, dc, row);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
}

void DrawRows(const GridState& state, HDC dc, const RECT& client, const RECT& dirty) {
    const RowStore& rows = state.model.Rows();
    int top = state.headerHeight;
    for (int row = state.topRow; row < rows.Count() && top < client.bottom; ++row) {
        const int height = RowHeightOf(state, row);
        if (top + height > dirty.top && top < dirty.bottom) DrawRow(state, dc, row, top, client);
        top += height;
    }
}

}  // namespace

HFONT RowFont(const GridState& state, int row) {
    if (!state.model.Rows().Valid(row)) return state.font;
    const uint16_t id = state.model.Rows().Attributes(row).font;
    return (id > 0 && id <= state.rowFonts.size()) ? state.rowFonts[id - 1] : state.font;
}

void PaintInto(GridState& state, HDC target, const RECT& dirty) {
    if (state.scrollBarsStale) UpdateScrollBars(state);
    RECT client;
    GetClientRect(state.hwnd, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, state.font);
    FillColour(dc, client, GetSysColor(COLOR_WINDOW));
    DrawRows(state, dc, client, dirty);
    DrawHeader(state, dc, client);
    BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, dc,
           dirty.left, dirty.top, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void OnPaint(GridState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(state.hwnd, &ps);
    PaintInto(state, dc, ps.rcPaint);
    EndPaint(state.hwnd, &ps);
}

void OnPrintClient(GridState& state, HDC dc) {
    RECT client;
    GetClientRect(state.hwnd, &client);
    PaintInto(state, dc, client);
}

}  // namespace grid
}  // namespace tw
