#pragma once
// The dial's position, value range, turn range and direction: the handlers of its exported
// functions.

#include "controls/dial/dial_state.h"

namespace tw {

// SetDialPos: the position cut into the range; repaints when asked; the previous position.
LONG DIAL_SetPos(DialState& s, LONG position, BOOL redraw);
LONG DIAL_GetPos(const DialState& s);
// SetDialRange: stores the range as given (the position stays); repaints when asked; 1.
LONG DIAL_SetRange(DialState& s, LONG minimum, LONG maximum, BOOL redraw);
// GetDialRange: fills the non-null pointers; 1.
LONG DIAL_GetRange(const DialState& s, LONG* minimum, LONG* maximum);
// SetDialTurnRange and GetDialTurnRange: the same for the angles.
LONG DIAL_SetTurnRange(DialState& s, LONG start, LONG end, BOOL redraw);
LONG DIAL_GetTurnRange(const DialState& s, LONG* start, LONG* end);
// SetDialDirection: stores direction & 1, repaints; the previous direction.
LONG DIAL_SetDirection(DialState& s, LONG direction);
LONG DIAL_GetDirection(const DialState& s);

}  // namespace tw
