// Child windows of the gallery (see demo_children.h).

#include "controls/demo/demo_children.h"

namespace tw::demo {

HWND AddChild(HWND window, HFONT font, const char* className, const char* text, DWORD style, int x,
              int y, int width, int height) {
    HWND child = CreateWindowA(className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               window, nullptr, nullptr, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

}  // namespace tw::demo
