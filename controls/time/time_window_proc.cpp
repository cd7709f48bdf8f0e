#include "controls/window_procs.h"
extern "C" LRESULT CALLBACK TarnTimeEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
