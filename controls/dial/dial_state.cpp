// State of the dial (see dial_state.h).

#include "controls/dial/dial_state.h"

#include <cstddef>

#include "controls/control_state.h"
#include "controls/dial/dial_palette.h"
#include "controls/dial/tarn32_dial.h"

namespace tw {

static_assert(offsetof(DialState, position) == 16 && offsetof(DialState, direction) == 24 &&
                  offsetof(DialState, enabled) == 40 && offsetof(DialState, self) == 52,
              "the documented fields keep their offsets");

namespace {

void InitDial(DialState& s, HWND hwnd, DWORD style) {
    s.self = hwnd;
    s.turnStart = -45;
    s.turnEnd = 225;
    s.maximum = 100;
    s.direction = 1;
    s.enabled = (style & WS_DISABLED) == 0;
}

}  // namespace

DialState* FetchDialState(HWND hwnd) {
    return static_cast<DialState*>(FetchStatePointer(hwnd, ControlClass::Dial, kDialStateWord));
}

bool DialAlive(HWND hwnd, const DialState* s) { return FetchDialState(hwnd) == s; }

bool DIAL_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    auto* s = static_cast<DialState*>(AllocateBlock(sizeof(DialState)));
    if (!s) return false;
    InitDial(*s, hwnd, create ? create->style : 0);
    s->palette = CreateShadePalette();  // without one the dial paints in plain colours
    StoreStatePointer(hwnd, s, kDialStateWord);
    return true;
}

void DIAL_NcDestroy(DialState& s) {
    KillTimer(s.self, DIAL_TIMER_DELAY);
    KillTimer(s.self, DIAL_TIMER_REPEAT);
    StoreStatePointer(s.self, nullptr, kDialStateWord);
    if (s.palette) DeleteObject(s.palette);
    FreeBlock(&s);
}

}  // namespace tw
