// Painting and size of the four-way spin (see udlr_paint.h).

#include "controls/spin/udlr_paint.h"

namespace tw {

namespace {

SIZE PictureSize(const UdlrState& s) {
    BITMAP info = {};
    GetObjectA(s.pictures[0], sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

void DrawPicture(const UdlrState& s, HDC dc) {
    const LONG area = s.pressedArea >= 0 && s.pressedArea < kUdlrAreaCount ? s.pressedArea : 0;
    HBITMAP picture = s.pictures[area];
    const SIZE size = PictureSize(s);
    if (s.disabled) {
        RECT r = {0, 0, size.cx, size.cy};
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(picture), 0, 0, 0, size.cx,
                   size.cy, DST_BITMAP | DSS_DISABLED);
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

}  // namespace

LRESULT UDLR_Paint(const UdlrState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(s.self, &ps);
    if (dc) DrawPicture(s, dc);
    EndPaint(s.self, &ps);
    return 0;
}

LRESULT UDLR_PrintClient(const UdlrState& s, HDC dc) {
    DrawPicture(s, dc);
    return 0;
}

LRESULT UDLR_Size(const UdlrState& s) {
    const SIZE size = PictureSize(s);
    RECT frame = {0, 0, size.cx, size.cy};
    const DWORD style = static_cast<DWORD>(GetWindowLongA(s.self, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(s.self, GWL_EXSTYLE));
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT window;
    GetWindowRect(s.self, &window);
    if (window.right - window.left != width || window.bottom - window.top != height)
        SetWindowPos(s.self, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

}  // namespace tw
