// Stand-in for the calendar's window procedure while the calendar family is not in the tree;
// the build leaves this file out as soon as calendar/ holds sources of its own.

#include "controls/window_procs.h"

extern "C" LRESULT CALLBACK TarnCalctlWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
