// The dial's position, ranges and direction (see dial_values.h).

#include "controls/dial/dial_values.h"

namespace tw {

namespace {

void RepaintIf(const DialState& s, BOOL redraw) {
    if (redraw) InvalidateRect(s.self, nullptr, FALSE);
}

void StorePair(LONG& first, LONG& second, LONG a, LONG b) {
    first = a;
    second = b;
}

LONG ReadPair(LONG first, LONG second, LONG* a, LONG* b) {
    if (a) *a = first;
    if (b) *b = second;
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
    StorePair(s.minimum, s.maximum, minimum, maximum);
    RepaintIf(s, redraw);
    return 1;
}

LONG DIAL_GetRange(const DialState& s, LONG* minimum, LONG* maximum) {
    return ReadPair(s.minimum, s.maximum, minimum, maximum);
}

LONG DIAL_SetTurnRange(DialState& s, LONG start, LONG end, BOOL redraw) {
    StorePair(s.turnStart, s.turnEnd, start, end);
    RepaintIf(s, redraw);
    return 1;
}

LONG DIAL_GetTurnRange(const DialState& s, LONG* start, LONG* end) {
    return ReadPair(s.turnStart, s.turnEnd, start, end);
}

LONG DIAL_SetDirection(DialState& s, LONG direction) {
    const LONG previous = s.direction;
    s.direction = direction & 1;
    RepaintIf(s, TRUE);
    return previous;
}

LONG DIAL_GetDirection(const DialState& s) { return s.direction; }

}  // namespace tw
