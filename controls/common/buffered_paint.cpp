// WM_PAINT, directly or double-buffered (see buffered_paint.h).

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

LRESULT PaintClient(HWND hwnd, const std::function<void(HDC dc)>& draw) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) draw(dc);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT PaintBuffered(HWND hwnd, const ClientDrawing& draw) {
    return PaintClient(hwnd, [&](HDC dc) { DrawBuffered(hwnd, dc, draw); });
}

}  // namespace tw
