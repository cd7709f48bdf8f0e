// The paint loop and the drawing of one row (see outline_paint.h).

#include "controls/outline/outline_paint.h"

#include <algorithm>
#include <string>
#include <vector>

#include "controls/outline/outline_notify.h"
#include "controls/outline/outline_pictures.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

constexpr int kHighlightMargin = 3;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP;

struct PaintTools {
    HDC dc;
    HBRUSH background;  // of the rows and the empty area
};

bool ShowsSelection(const OutlineState& s, const OutlineItem& item) {
    return (item.flags & kItemSelected) && (s.hasFocus || s.noHideSel);
}

COLORREF TextColorOf(const OutlineState& s, const OutlineItem& item) {
    if (ShowsSelection(s, item)) return OutlineColorValue(s, kColorSelectedText);
    if (item.flags & kItemLocked) return OutlineColorValue(s, kColorLockedText);
    return OutlineColorValue(s, kColorText);
}

void FillWithColor(HDC dc, const RECT& rect, COLORREF color) {
    if (rect.right <= rect.left) return;
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

int TextWidth(HDC dc, const std::string& text) {
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    return int(size.cx);
}

const std::string& ShownText(const OutlineState& s, const OutlineItem& item) {
    static const std::string none;
    return s.storesStrings ? item.text : none;
}

// The highlight of a text drawn on one line from `x`.
RECT HighlightRect(const OutlineState& s, HDC dc, const OutlineItem& item, const RECT& row, int x) {
    RECT highlight = {x - kHighlightMargin, row.top, row.right, row.bottom};
    if (!(s.options & OLBO_FULLSELECT))
        highlight.right = x + TextWidth(dc, ShownText(s, item)) + kHighlightMargin;
    return highlight;
}

void DrawPlainText(const OutlineState& s, HDC dc, const OutlineItem& item, const RECT& row, int x,
                   COLORREF band) {
    const RECT highlight = HighlightRect(s, dc, item, row, x);
    FillWithColor(dc, highlight, band);
    if (!(s.options & OLBO_FULLSELECT))
        FillWithColor(dc, {highlight.right, row.top, row.right, row.bottom},
                      OutlineColorValue(s, kColorBackground));
    const std::string& text = ShownText(s, item);
    RECT textRect = {x, row.top, row.right, row.bottom};
    DrawTextA(dc, text.c_str(), int(text.size()), &textRect, kTextFormat);
    if (item.flags & kItemCaret) DrawFocusRect(dc, &highlight);
}

void DrawTabbedText(const OutlineState& s, HDC dc, const OutlineItem& item, const RECT& row, int x,
                    COLORREF band) {
    FillWithColor(dc, {x, row.top, row.right, row.bottom}, band);
    std::vector<std::string> pieces(1);
    for (char c : ShownText(s, item)) {
        if (c == '\t')
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    std::vector<int> widths;
    for (const std::string& piece : pieces) widths.push_back(TextWidth(dc, piece));
    const std::vector<int> starts =
        TabbedPieceStarts(widths, s.tabStops, LOWORD(GetDialogBaseUnits()));
    for (size_t i = 0; i < pieces.size(); ++i) {
        RECT pieceRect = {x + starts[i], row.top, row.right, row.bottom};
        DrawTextA(dc, pieces[i].c_str(), int(pieces[i].size()), &pieceRect, kTextFormat);
    }
    if (item.flags & kItemCaret) {
        RECT focus = {x - kHighlightMargin, row.top, row.right, row.bottom};
        DrawFocusRect(dc, &focus);
    }
}

// The parent draws the row.
void OwnerDrawRow(OutlineState& s, HDC dc, uint32_t slot, long row, const RECT& rect) {
    const OutlineItem& item = s.tree.Item(slot);
    DRAWITEMSTRUCT record = {};
    record.CtlType = ODT_LISTBOX;
    record.CtlID = UINT(OutlineId(s));
    record.itemID = UINT(row);
    record.itemAction = ODA_DRAWENTIRE;
    record.itemState = ((item.flags & kItemSelected) ? ODS_SELECTED : 0) |
                       ((item.flags & kItemCaret) ? ODS_FOCUS : 0);
    record.hwndItem = s.self;
    record.hDC = dc;
    record.rcItem = rect;
    record.itemData =
        s.storesStrings ? reinterpret_cast<ULONG_PTR>(item.text.c_str()) : ULONG_PTR(item.data);
    SendMessageA(GetParent(s.self), WM_DRAWITEM, record.CtlID, reinterpret_cast<LPARAM>(&record));
}

void PaintRow(OutlineState& s, const PaintTools& tools, uint32_t slot, const RECT& row) {
    HDC dc = tools.dc;
    FillRect(dc, &row, tools.background);
    const OutlineItem& item = s.tree.Item(slot);
    if (s.options & OLBO_MICROBITMAPS) DrawOpenCloseBox(s, dc, slot, row);
    int x = IndentedX(s, slot, row);
    if (s.bitmapWord & 1) x = int(OLB_PaintBitmap(s, dc, slot, &row));
    if (s.options & OLBO_LINES) OLB_PaintLines(s, dc, slot, &row);
    SetTextColor(dc, TextColorOf(s, item));
    const COLORREF band = ShowsSelection(s, item) ? OutlineColorValue(s, kColorSelection)
                                                  : OutlineColorValue(s, kColorBackground);
    if (OutlineStyle(s) & OLBS_USETABSTOPS)
        DrawTabbedText(s, dc, item, row, x, band);
    else
        DrawPlainText(s, dc, item, row, x, band);
}

// The brush of the rows and the empty area; null when the parent, asked for its brush,
// destroyed the control.
HBRUSH BackgroundBrush(OutlineState& s, HDC dc, bool& owned) {
    owned = false;
    if (s.options & OLBO_PARENTBRUSH) {
        const HWND self = s.self;
        HBRUSH parentBrush = reinterpret_cast<HBRUSH>(SendMessageA(
            GetParent(self), WM_CTLCOLORLISTBOX, WPARAM(dc), reinterpret_cast<LPARAM>(self)));
        if (!StillAlive(self, &s)) return nullptr;
        if (parentBrush) return parentBrush;
    }
    owned = true;
    return CreateSolidBrush(OutlineColorValue(s, kColorBackground));
}

// Draws every row that meets `area`, then fills the rest of it with the background.
void PaintArea(OutlineState& s, HDC dc, const RECT& area) {
    const HWND self = s.self;
    bool ownedBrush = false;
    const PaintTools tools = {dc, BackgroundBrush(s, dc, ownedBrush)};
    if (!tools.background) return;
    const int saved = SaveDC(dc);
    SelectObject(dc, s.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, OutlineColorValue(s, kColorText));
    const long hit = IsMultiColumn(s) ? -1 : RowAtPoint(s, 0, std::max(0, int(area.top)));
    const long first = hit >= 0 ? hit : IsMultiColumn(s) ? 0 : s.topIndex;
    const long last = BottomRow(s);
    const bool ownerDraw = IsOwnerDraw(s);
    for (long row = first; row >= 0 && row <= last; ++row) {
        RECT rect, common;
        if (!RowRectangle(s, row, rect) || !IntersectRect(&common, &rect, &area)) continue;
        const uint32_t slot = s.tree.RowItem(row);
        if (ownerDraw) {
            OwnerDrawRow(s, dc, slot, row, rect);
            if (!StillAlive(self, &s)) break;
        } else {
            PaintRow(s, tools, slot, rect);
        }
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    FillRect(dc, &area, tools.background);
    RestoreDC(dc, saved);
    if (ownedBrush) DeleteObject(tools.background);
}

}  // namespace

LRESULT OLB_Paint(OutlineState& s) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(s.self, &paint);
    const HWND self = s.self;
    if (dc) PaintArea(s, dc, paint.rcPaint);
    EndPaint(self, &paint);
    return 0;
}

LRESULT OLB_PrintClient(OutlineState& s, HDC dc) {
    RECT client;
    GetClientRect(s.self, &client);
    if (dc) PaintArea(s, dc, client);
    return 0;
}

LRESULT OLB_GetItemTextRect(const OutlineState& s, long row, RECT* rect) {
    RECT rowRect;
    if (!rect || !RowRectangle(s, row, rowRect)) return OLB_ERR;
    const uint32_t slot = s.tree.RowItem(row);
    HDC dc = GetDC(s.self);
    HGDIOBJ old = SelectObject(dc, s.font);
    *rect = HighlightRect(s, dc, s.tree.Item(slot), rowRect, TextStartX(s, slot, rowRect));
    SelectObject(dc, old);
    ReleaseDC(s.self, dc);
    return 0;
}

}  // namespace tw
