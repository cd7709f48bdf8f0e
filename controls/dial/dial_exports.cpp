// The dial's exported functions: each fetches the dial's state and hands it to its handler; a
// window without state gives 0 and leaves the out-arguments alone.

#include "controls/control_state.h"
#include "controls/dial/dial_state.h"
#include "controls/dial/dial_values.h"
#include "controls/dial/tarn32_dial.h"

using namespace tw;

namespace {

constexpr LONG kFailed = 0;

}  // namespace

extern "C" {

LONG WINAPI SetDialPos(HWND hwnd, LONG position, BOOL redraw) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_SetPos, position, redraw);
}

LONG WINAPI GetDialPos(HWND hwnd) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_GetPos);
}

LONG WINAPI SetDialRange(HWND hwnd, LONG minimum, LONG maximum, BOOL redraw) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_SetRange, minimum, maximum, redraw);
}

LONG WINAPI GetDialRange(HWND hwnd, LONG* minimum, LONG* maximum) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_GetRange, minimum, maximum);
}

LONG WINAPI SetDialTurnRange(HWND hwnd, LONG start, LONG end, BOOL redraw) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_SetTurnRange, start, end, redraw);
}

LONG WINAPI GetDialTurnRange(HWND hwnd, LONG* start, LONG* end) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_GetTurnRange, start, end);
}

LONG WINAPI SetDialDirection(HWND hwnd, LONG direction) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_SetDirection, direction);
}

LONG WINAPI GetDialDirection(HWND hwnd) {
    return CallOnState(FetchDialState(hwnd), kFailed, DIAL_GetDirection);
}

}  // extern "C"
