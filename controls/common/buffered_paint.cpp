// Double-buffered painting (see buffered_paint.h).

#include "controls/common/buffered_paint.h"

namespace tw {

void DrawBuffered(HWND hwnd, HDC target, const ClientDrawing& draw) {
    RECT client;
    GetClientRect(hwnd, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(target, client.right, client.bottom) : nullptr;
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        draw(memory, client);
        BitBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    } else {
        draw(target, client);
    }
    if (memory) DeleteDC(memory);
}

LRESULT PaintBuffered(HWND hwnd, const ClientDrawing& draw) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) DrawBuffered(hwnd, dc, draw);
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace tw
