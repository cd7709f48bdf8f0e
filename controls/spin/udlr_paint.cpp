// Painting and size of the four-way spin (see udlr_paint.h).

#include "controls/spin/udlr_paint.h"

#include "controls/common/buffered_paint.h"

namespace tw {

namespace {

SIZE PictureSize(const UdlrState& s) {
    BITMAP info = {};
    GetObjectA(s.pictures[0], sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

// The picture ORed with the shadow grey: its black arrows turn grey, while the face, shadow and
// highlight colours of the picture stay as they are.
constexpr DWORD kSourceOrPattern = 0x00FC008A;

void DrawPicture(const UdlrState& s, HDC dc) {
    const LONG area = s.pressedArea >= 0 && s.pressedArea < kUdlrAreaCount ? s.pressedArea : 0;
    const SIZE size = PictureSize(s);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previousPicture = SelectObject(memory, s.pictures[area]);
    if (s.disabled) {
        HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
        HGDIOBJ previousBrush = SelectObject(dc, grey);
        BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, kSourceOrPattern);
        SelectObject(dc, previousBrush);
        DeleteObject(grey);
    } else {
        BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, previousPicture);
    DeleteDC(memory);
}

}  // namespace

LRESULT UDLR_Paint(const UdlrState& s) {
    return PaintClient(s.self, [&s](HDC dc) { DrawPicture(s, dc); });
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
