// Drawing of strip cells and client pictures (see picture_drawing.h).

#include "controls/button/picture_drawing.h"

namespace tw {
namespace {

constexpr DWORD kBrushWhereMaskBlack = 0x00B8074A;  // PSDPxax: pattern where the source is 0

// A memory DC with `bitmap` selected; restores and deletes itself.
class SelectedBitmap {
public:
    SelectedBitmap(HDC like, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(like)), old_(SelectObject(dc_, bitmap)) {}
    ~SelectedBitmap() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A monochrome mask of a cell: white where the key colour is, black elsewhere.
HBITMAP CellMask(HDC like, HBITMAP strip, int index, int width, int height) {
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    if (!mask) return nullptr;
    SelectedBitmap source(like, strip);
    SelectedBitmap target(like, mask);
    SetBkColor(source.dc(), kStripKeyColor);
    BitBlt(target.dc(), 0, 0, width, height, source.dc(), index * width, 0, SRCCOPY);
    return mask;
}

// Paints `colour` where the mask is black.
void PaintThroughMask(HDC dc, HDC mask, int x, int y, int width, int height, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old = SelectObject(dc, brush);
    BitBlt(dc, x, y, width, height, mask, 0, 0, kBrushWhereMaskBlack);
    SelectObject(dc, old);
    DeleteObject(brush);
}

}  // namespace

int StripCellCount(HBITMAP strip, int cellWidth) {
    BITMAP info = {};
    if (!strip || cellWidth <= 0 || !GetObjectA(strip, sizeof info, &info)) return 0;
    return info.bmWidth / cellWidth;
}

void DrawStripCell(HDC dc, HBITMAP strip, int index, int x, int y, int width, int height) {
    HBITMAP mask = CellMask(dc, strip, index, width, height);
    if (!mask) return;
    {
        SelectedBitmap source(dc, strip);
        SelectedBitmap maskDc(dc, mask);
        const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
        const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        // dest ^= cell; dest &= mask (cleared where the cell is opaque); dest ^= cell: the key
        // colour's pixels come back unchanged, the others become the cell's.
        BitBlt(dc, x, y, width, height, source.dc(), index * width, 0, SRCINVERT);
        BitBlt(dc, x, y, width, height, maskDc.dc(), 0, 0, SRCAND);
        BitBlt(dc, x, y, width, height, source.dc(), index * width, 0, SRCINVERT);
        SetBkColor(dc, oldBk);
        SetTextColor(dc, oldText);
    }
    DeleteObject(mask);
}

void DrawEngravedCell(HDC dc, HBITMAP strip, int index, int x, int y, int width, int height,
                      COLORREF light, COLORREF dark) {
    HBITMAP mask = CellMask(dc, strip, index, width, height);
    if (!mask) return;
    {
        SelectedBitmap maskDc(dc, mask);
        const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
        const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        PaintThroughMask(dc, maskDc.dc(), x + 1, y + 1, width, height, light);
        PaintThroughMask(dc, maskDc.dc(), x, y, width, height, dark);
        SetBkColor(dc, oldBk);
        SetTextColor(dc, oldText);
    }
    DeleteObject(mask);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
    SIZE size = BitmapSize(info.hbmColor ? info.hbmColor : info.hbmMask);
    if (!info.hbmColor) size.cy /= 2;  // a monochrome icon stacks its AND and XOR masks
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

void DrawClientImage(HDC dc, HANDLE image, ClientImage kind, const RECT& box, bool disabled) {
    const UINT type = kind == ClientImage::Icon ? DST_ICON : DST_BITMAP;
    DrawStateA(dc, nullptr, nullptr, LPARAM(image), 0, box.left, box.top, box.right - box.left,
               box.bottom - box.top, type | (disabled ? DSS_DISABLED : DSS_NORMAL));
}

void DrawClientMetafile(HDC dc, HANDLE metafile, const RECT& box) {
    const DWORD kind = GetObjectType(metafile);
    if (kind == OBJ_ENHMETAFILE) {
        PlayEnhMetaFile(dc, static_cast<HENHMETAFILE>(metafile), &box);
        return;
    }
    if (kind != OBJ_METAFILE) return;
    // A Windows metafile has no frame of its own: convert it and stretch it over the box.
    const UINT bytes = GetMetaFileBitsEx(static_cast<HMETAFILE>(metafile), 0, nullptr);
    if (!bytes) return;
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, bytes);
    if (!block) return;
    auto* bits = static_cast<BYTE*>(block);
    GetMetaFileBitsEx(static_cast<HMETAFILE>(metafile), bytes, bits);
    HENHMETAFILE enhanced = SetWinMetaFileBits(bytes, bits, nullptr, nullptr);
    GlobalFree(block);
    if (!enhanced) return;
    PlayEnhMetaFile(dc, enhanced, &box);
    DeleteEnhMetaFile(enhanced);
}

}  // namespace tw
