// Fetching and small helpers of the button state (see button_state.h).

#include "controls/button/button_state.h"

#include "controls/button/tarn32_button.h"
#include "controls/control_state.h"

namespace tw {

static_assert(sizeof(void*) != 4 || sizeof(ButtonState) == 324, "the button state is 324 bytes");

ButtonState* ButtonStateOf(HWND hwnd) {
    return static_cast<ButtonState*>(
        FetchStatePointer(hwnd, ControlClass::Button, kButtonStateWord));
}

void ChangeButtonStyle(ButtonState& s, DWORD bits, bool set) {
    const DWORD style = ButtonStyle(s);
    SetWindowLongA(s.self, GWL_STYLE, LONG(set ? style | bits : style & ~bits));
}

void RepaintButton(ButtonState& s) {
    if (!HasButtonStyle(s, TBS_NOREDRAW)) InvalidateRect(s.self, nullptr, FALSE);
}

}  // namespace tw
