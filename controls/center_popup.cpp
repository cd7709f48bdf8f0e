// CenterLocalPopup: centres a window on the screen, never past its top-left corner.

#include "controls/tarn32.h"

extern "C" void WINAPI CenterLocalPopup(HWND hwnd) {
    RECT rect;
    if (!hwnd || !GetWindowRect(hwnd, &rect)) return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    MoveWindow(hwnd, left, top, width, height, TRUE);
}
