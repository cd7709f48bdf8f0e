#pragma once
// Drawing pieces of the button's pictures: strip cells with their key colour left out, greyed
// cells, and the client's bitmap, icon or metafile fitted to a box.

#include <windows.h>

namespace tw {

constexpr COLORREF kStripKeyColor = RGB(255, 0, 255);  // left out when a cell is drawn

// The number of cells of `width` pixels in a strip bitmap.
int StripCellCount(HBITMAP strip, int cellWidth);

// Draws cell `index` of `strip` at (x, y), leaving out the key colour.
void DrawStripCell(HDC dc, HBITMAP strip, int index, int x, int y, int width, int height);

// Draws the shape of a cell (every pixel but the key colour) engraved: `light` one pixel down
// and right, `dark` on top.
void DrawEngravedCell(HDC dc, HBITMAP strip, int index, int x, int y, int width, int height,
                      COLORREF light, COLORREF dark);

// The size of a bitmap or an icon; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);
SIZE IconSize(HICON icon);

enum class ClientImage { Bitmap, Icon };

// Draws a client's bitmap or icon at the box's corner, greyed by the system when `disabled`.
void DrawClientImage(HDC dc, HANDLE image, ClientImage kind, const RECT& box, bool disabled);
// Draws a Windows or an enhanced metafile stretched over the box.
void DrawClientMetafile(HDC dc, HANDLE metafile, const RECT& box);

}  // namespace tw
