// Pictures, lines and boxes of the outline list's rows (see outline_pictures.h).

#include "controls/outline/outline_pictures.h"

#include <algorithm>

namespace tw {

namespace {

// Where an item's picture goes: its band (filled with the background) and the picture's part.
struct PicturePlacement {
    int x;           // left of the band and of the picture
    int end;         // right of the band: where the text begins
    HBITMAP bitmap;  // none: nothing to draw in the band
    int sourceX;     // the cell within the bitmap
    int width;       // of the cell
    int height;      // of the bitmap
};

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

PicturePlacement PlacePicture(const OutlineState& s, uint32_t slot, const RECT& row) {
    const OutlineItem& item = s.tree.Item(slot);
    const PictureChoice choice = ChoosePicture(s.pictures, item);
    const int cell = StateCell(item);
    PicturePlacement place = {IndentedX(s, slot, row), 0, nullptr, 0, 0, 0};
    if (choice.source == PictureChoice::Source::Bitmap) {
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(choice.bitmap);
        const SIZE size = BitmapSize(bitmap);
        place.width = s.stateBitmaps ? int(size.cx) / 3 : int(size.cx);
        place.sourceX = s.stateBitmaps ? cell * int(size.cx) / 3 : 0;
        place.height = int(size.cy);
        place.bitmap = place.width > 0 ? bitmap : nullptr;
    } else {
        place.width = kBuiltInCellWidth;
        place.height = kBuiltInCellHeight;
        const bool exists =
            choice.source == PictureChoice::Source::Strip && IsBuiltInImage(choice.image);
        place.sourceX = int(3 * choice.image + cell) * kBuiltInCellWidth;
        place.bitmap = exists ? s.builtInStrip : nullptr;
    }
    place.end = std::min<int>(place.x + place.width + kPictureGap, row.right);
    return place;
}

// Draws part of `bitmap` with the pixels of its bottom-left pixel's colour left out, so that
// what is beneath (the background already painted) shows through.
void DrawTransparent(HDC dc, HBITMAP bitmap, int sourceX, int width, int height, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    HDC source = CreateCompatibleDC(dc);
    HDC maskDc = CreateCompatibleDC(dc);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    SetBkColor(source, GetPixel(source, 0, size.cy - 1));
    BitBlt(maskDc, 0, 0, width, height, source, sourceX, 0, SRCCOPY);  // the key colour: white
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, width, height, source, sourceX, 0, SRCINVERT);
    BitBlt(dc, x, y, width, height, maskDc, 0, 0, SRCAND);
    BitBlt(dc, x, y, width, height, source, sourceX, 0, SRCINVERT);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    SelectObject(maskDc, oldMask);
    SelectObject(source, oldSource);
    DeleteObject(mask);
    DeleteDC(maskDc);
    DeleteDC(source);
}

void FillWithColor(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// A line through the pattern: its pixels where the pattern's bit is set (every pixel for the
// solid pattern).
void DrawLine(HDC dc, const LineSegment& line, const BYTE (&mask)[8], COLORREF color) {
    bool solid = true;
    for (BYTE row : mask) solid = solid && row == 0xFF;
    if (solid) {
        FillWithColor(dc, {line.x0, line.y0, line.x1 + 1, line.y1 + 1}, color);
        return;
    }
    for (int y = line.y0; y <= line.y1; ++y)
        for (int x = line.x0; x <= line.x1; ++x)
            if (mask[y & 7] & (1 << (x & 7))) SetPixelV(dc, x, y, color);
}

// The line segments of an item's row.
std::vector<LineSegment> LinesOf(const OutlineState& s, uint32_t slot, const RECT& row) {
    const OutlineItem& item = s.tree.Item(slot);
    LineShape shape;
    shape.level = int(item.level);
    shape.hasNextSibling.assign(item.level + 1, false);
    for (uint32_t x = slot; IsItemSlot(x); x = s.tree.Item(x).parent)
        shape.hasNextSibling[s.tree.Item(x).level] = s.tree.Item(x).nextSibling != 0;
    shape.hasPreviousSibling = item.previousSibling != 0;
    shape.left = int(row.left);
    shape.top = int(row.top);
    shape.height = int(row.bottom - row.top);
    shape.indent = s.indent;
    return RowLines(shape);
}

}  // namespace

int IndentedX(const OutlineState& s, uint32_t slot, const RECT& row) {
    int x = int(row.left) + int(s.tree.Item(slot).level) * s.indent;
    if (s.options & (OLBO_MICROBITMAPS | OLBO_LINES)) x += s.indent;
    return x;
}

int TextStartX(const OutlineState& s, uint32_t slot, const RECT& row) {
    if (!(s.bitmapWord & 1)) return IndentedX(s, slot, row);
    return PlacePicture(s, slot, row).end;
}

LRESULT OLB_PaintBitmap(const OutlineState& s, HDC dc, uint32_t slot, const RECT* row) {
    if (!IsItemSlot(slot) || !dc || !row) return OLB_ERR;
    const PicturePlacement place = PlacePicture(s, slot, *row);
    const RECT band = {place.x, row->top, place.end, row->bottom};
    FillWithColor(dc, band, OutlineColorValue(s, kColorBackground));
    if (place.bitmap) {
        const int y = int(row->top) + (int(row->bottom - row->top) - place.height) / 2 - 1;
        const int width = std::min(place.width, place.end - place.x);
        if (width > 0)
            DrawTransparent(dc, place.bitmap, place.sourceX, width, place.height, place.x, y);
    }
    return place.end;
}

LRESULT OLB_PaintLines(const OutlineState& s, HDC dc, uint32_t slot, const RECT* row) {
    if (!IsItemSlot(slot) || !dc || !row) return OLB_ERR;
    const int level = int(s.tree.Item(slot).level);
    const RECT band = {row->left, row->top, row->left + (level + 1) * s.indent, row->bottom};
    FillWithColor(dc, band, OutlineColorValue(s, kColorBackground));
    const COLORREF color = OutlineColorValue(s, kColorLines);
    for (const LineSegment& line : LinesOf(s, slot, *row)) DrawLine(dc, line, s.lineMask, color);
    if (s.options & OLBO_MICROBITMAPS) DrawOpenCloseBox(s, dc, slot, *row);
    return 0;
}

void DrawOpenCloseBox(const OutlineState& s, HDC dc, uint32_t slot, const RECT& row) {
    const OutlineItem& item = s.tree.Item(slot);
    if (!item.firstChild) return;
    const int x = int(row.left) + int(item.level) * s.indent + 2;
    const int y = int(row.top) + (int(row.bottom - row.top) - kBoxSize) / 2;
    const int sourceX = (item.flags & kItemOpen) ? kBoxSize : 0;
    DrawTransparent(dc, s.boxStrip, sourceX, kBoxSize, kBoxSize, x, y);
}

}  // namespace tw
