// Colours and family entries of the font selector (see fontsel_appearance.h).

#include "controls/fontsel/fontsel_appearance.h"

#include "controls/button/picture_drawing.h"
#include "controls/colors.h"
#include "controls/fontsel/fontsel_families.h"
#include "controls/fontsel/tarn32_fontsel.h"

namespace tw {
namespace {

constexpr int kBitmapMargin = 2;
constexpr int kTextIndent = 24;  // the bitmap (20 pixels) and its margins

void Repaint(FontSelState& s) {
    RedrawWindow(s.panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ReplaceBackgroundBrush(FontSelState& s) {
    HBRUSH brush = CreateResolvedBrush(s.colors[kFontSelBackground]);
    if (!brush) return;  // keep the old brush rather than none
    if (s.backgroundBrush) DeleteObject(s.backgroundBrush);
    s.backgroundBrush = brush;
}

void DrawKindBitmap(HDC dc, HBITMAP bitmap, const RECT& item) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0) return;
    const int y = item.top + (item.bottom - item.top - size.cy) / 2;
    DrawStripCell(dc, bitmap, 0, item.left + kBitmapMargin, y, size.cx, size.cy);
}

void DrawEntryText(const FontSelState& s, HDC dc, RECT box, const char* text) {
    HGDIOBJ old = SelectObject(dc, s.font);
    DrawTextA(dc, text, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
}

// The bitmap of the family's kind and its name; nothing for item data outside the table.
void DrawFamilyEntry(const FontSelState& s, HDC dc, RECT box, int item) {
    const FamilyRecord* family = FS_FamilyOfItem(s, item);
    if (!family) return;
    DrawKindBitmap(dc, s.bitmaps[family->flag ? 0 : 1], box);
    box.left += kTextIndent;
    DrawEntryText(s, dc, box, family->name);
}

void DrawSizeEntry(const FontSelState& s, HDC dc, RECT box, HWND list, int item) {
    char text[16] = "";
    if (item < 0 || SendMessageA(list, CB_GETLBTEXTLEN, WPARAM(item), 0) >= LRESULT(sizeof text))
        return;
    SendMessageA(list, CB_GETLBTEXT, WPARAM(item), LPARAM(text));
    box.left += kBitmapMargin;
    DrawEntryText(s, dc, box, text);
}

}  // namespace

LRESULT FS_SetColor(FontSelState& s, int index, DWORD color) {
    FontSelColor which;
    switch (index) {
        case FSC_BACKGROUND: which = kFontSelBackground; break;
        case FSC_TEXT: which = kFontSelText; break;
        case FSC_FACE: which = kFontSelFace; break;
        default: return 0;
    }
    s.colors[which] = color;
    if (which == kFontSelBackground) ReplaceBackgroundBrush(s);
    Repaint(s);
    return 1;
}

LRESULT FS_FaceColor(const FontSelState& s) { return ResolveColor(s.colors[kFontSelFace]); }

LRESULT FS_ControlColor(FontSelState& s, HDC dc) {
    SetTextColor(dc, ResolveColor(s.colors[kFontSelText]));
    SetBkColor(dc, ResolveColor(s.colors[kFontSelBackground]));
    return reinterpret_cast<LRESULT>(s.backgroundBrush);
}

LRESULT FS_MeasureItem(const FontSelState& s, MEASUREITEMSTRUCT* measure) {
    if (!measure) return FALSE;
    const LONG bitmapHeight =
        measure->CtlID == FS_ID_FAMILYLIST ? BitmapSize(s.bitmaps[0]).cy + kBitmapMargin : 0;
    measure->itemHeight = UINT(s.lineHeight > bitmapHeight ? s.lineHeight : bitmapHeight);
    return TRUE;
}

LRESULT FS_DrawItem(const FontSelState& s, const DRAWITEMSTRUCT* draw) {
    if (!draw || (draw->CtlID != FS_ID_FAMILYLIST && draw->CtlID != FS_ID_SIZELIST)) return FALSE;
    HDC dc = draw->hDC;
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    SetBkColor(
        dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : ResolveColor(s.colors[kFontSelBackground]));
    SetTextColor(
        dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ResolveColor(s.colors[kFontSelText]));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &draw->rcItem, nullptr, 0, nullptr);
    if (draw->CtlID == FS_ID_FAMILYLIST)
        DrawFamilyEntry(s, dc, draw->rcItem, int(draw->itemID));
    else
        DrawSizeEntry(s, dc, draw->rcItem, draw->hwndItem, int(draw->itemID));
    if (draw->itemState & ODS_FOCUS) DrawFocusRect(dc, &draw->rcItem);
    return TRUE;
}

}  // namespace tw
