// Window procedures of the families whose controls are not built yet: their classes are
// registered so that clients can create the windows, which behave as plain windows.

#include "controls/window_procs.h"
#include "framework/win32/window_barrier.h"

namespace {

// Default processing, behind the exception barrier as every procedure of the library.
LRESULT PlainWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return tw::HandleMessageGuarded(msg, 0,
                                    [=] { return DefWindowProcA(hwnd, msg, wParam, lParam); });
}

}  // namespace

#define TW_PLAIN_WINDOW_PROC(name)                                             \
    LRESULT CALLBACK name(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { \
        return PlainWindowMessage(hwnd, msg, wParam, lParam);                  \
    }

extern "C" {
TW_PLAIN_WINDOW_PROC(TarnButtonWinFn)
TW_PLAIN_WINDOW_PROC(TarnNumEditWinFn)
TW_PLAIN_WINDOW_PROC(TarnFontSelectWinFn)
TW_PLAIN_WINDOW_PROC(TarnDialWinFn)
TW_PLAIN_WINDOW_PROC(TarnUDLRWinFn)
TW_PLAIN_WINDOW_PROC(TarnPctBarWinFn)
TW_PLAIN_WINDOW_PROC(TarnCBFunction)
}
