// The dial's keys and characters (see dial_keyboard.h).

#include "controls/dial/dial_keyboard.h"

#include "controls/dial/dial_notify.h"

namespace tw {

namespace {

// The scroll code of a key; -1 for a key the dial does not take.
int CodeOfKey(UINT vk) {
    switch (vk) {
        case VK_PRIOR: return SB_PAGEUP;
        case VK_NEXT: return SB_PAGEDOWN;
        case VK_END: return SB_TOP;
        case VK_HOME: return SB_BOTTOM;
        case VK_LEFT:
        case VK_DOWN: return SB_LINEDOWN;
        case VK_UP:
        case VK_RIGHT: return SB_LINEUP;
        default: return -1;
    }
}

}  // namespace

bool DIAL_KeyDown(DialState& s, UINT vk) {
    const int code = CodeOfKey(vk);
    if (code < 0) return false;
    NotifyScroll(s, code, s.position);
    return true;
}

bool DIAL_Char(DialState& s, char c) {
    if (c != '+' && c != '-') return false;
    const int code = c == '+' ? StepTowardsMaximum(s) : StepTowardsMinimum(s);
    if (code >= 0) NotifyScroll(s, code, s.position);
    return true;
}

}  // namespace tw
