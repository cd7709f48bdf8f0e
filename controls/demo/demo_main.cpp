// tarn32demo.exe: opens the gallery window at the top-left of the screen.

#include <windows.h>

#include <cstring>

#include "controls/demo/demo_gallery.h"
#include "controls/tarn32.h"

namespace {

constexpr const char* kWindowClass = "Tarn32DemoWindow";

LRESULT CALLBACK GalleryProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateGalleryWindow(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = GalleryProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    return CreateWindowA(kWindowClass, "Tarn controls gallery", WS_OVERLAPPEDWINDOW, 0, 0, 1250,
                         640, nullptr, nullptr, instance, nullptr);
}

// With "dropdown" on the command line the drop-down date edit takes the focus and opens
// its calendar (for the screenshot of the popup).
void OpenDropDownIfAsked(const char* commandLine, HWND dropDown) {
    if (!commandLine || !strstr(commandLine, "dropdown")) return;
    SetFocus(dropDown);
    dtDropDownCalendar(dropDown);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    HWND window = CreateGalleryWindow(instance);
    if (!window) return 1;
    HFONT font = CreateLocalFont("Tahoma", 10, 0);
    HWND dropDown = tw::demo::CreateGallery(window, font);
    ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
    UpdateWindow(window);
    OpenDropDownIfAsked(commandLine, dropDown);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    DeleteObject(font);
    return 0;
}
