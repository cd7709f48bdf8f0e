// The dial's position, ranges and direction (see dial_values.h).

#include "controls/dial/dial_values.h"

namespace tw {

namespace {

void RepaintIf(const DialState& s, BOOL redraw) {
    if (redraw) InvalidateRect(s.self, nullptr, FALSE);
}

using Field = LONG DialState::*;

LONG SetPair(DialState& s, Field first, Field second, LONG a, LONG b, BOOL redraw) {
    s.*first = a;
    s.*second = b;
    RepaintIf(s, redraw);
    return 1;
}

LONG GetPair(const DialState& s, Field first, Field second, LONG* a, LONG* b) {
    if (a) *a = s.*first;
    if (b) *b = s.*second;
    return 1;
}

}  // namespace

LONG DIAL_SetPos(DialState& s, LONG position, BOOL redraw) {
    const LONG previous = s.position;
    s.position = CutIntoRange(position, ValuesOf(s));
    RepaintIf(s, redraw);
    return previous;
}

LONG DIAL_GetPos(const DialState& s) { return s.position; }

LONG DIAL_SetRange(DialState& s, LONG minimum, LONG maximum, BOOL redraw) {
    return SetPair(s, &DialState::minimum, &DialState::maximum, minimum, maximum, redraw);
}

LONG DIAL_GetRange(const DialState& s, LONG* minimum, LONG* maximum) {
    return GetPair(s, &DialState::minimum, &DialState::maximum, minimum, maximum);
}

LONG DIAL_SetTurnRange(DialState& s, LONG start, LONG end, BOOL redraw) {
    return SetPair(s, &DialState::turnStart, &DialState::turnEnd, start, end, redraw);
}

LONG DIAL_GetTurnRange(const DialState& s, LONG* start, LONG* end) {
    return GetPair(s, &DialState::turnStart, &DialState::turnEnd, start, end);
}

LONG DIAL_SetDirection(DialState& s, LONG direction) {
    const LONG previous = s.direction;
    s.direction = direction & 1;
    RepaintIf(s, TRUE);
    return previous;
}

LONG DIAL_GetDirection(const DialState& s) { return s.direction; }

}  // namespace tw
