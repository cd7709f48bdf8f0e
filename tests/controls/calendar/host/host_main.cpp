// A small stand-in library for the calendar tests: registers TarnCalctl32 from the calendar's
// sources exactly as the controls library does (global class, double clicks, redraw on resize,
// 16 window extra bytes, arrow cursor, no background brush) and carries the month names and
// day letters in its string table.

#include <windows.h>

#include "controls/calendar/tarn32_calendar.h"

namespace {

bool RegisterCalendarClass(HINSTANCE module) {
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = TarnCalctlWinFn;
    wc.cbWndExtra = 16;
    wc.hInstance = module;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = TARN_CALENDAR_CLASS;
    return RegisterClassA(&wc) != 0;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) return RegisterCalendarClass(module);
    if (reason == DLL_PROCESS_DETACH) UnregisterClassA(TARN_CALENDAR_CLASS, module);
    return TRUE;
}
