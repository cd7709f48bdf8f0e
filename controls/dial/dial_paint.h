#pragma once
// Painting of the dial, double-buffered: the knob (a rim shaded from the light at the upper left
// to the shadow at the lower right, around a flat cap) with its scale, the red pointer dot, the
// two step buttons (pressed while held) and the focus rectangle. A window too small for a knob
// shows its background only.

#include "controls/dial/dial_state.h"

namespace tw {

// WM_PAINT and WM_PRINTCLIENT.
LRESULT DIAL_Paint(const DialState& s);
LRESULT DIAL_PrintClient(const DialState& s, HDC dc);

// WM_SETFOCUS and WM_KILLFOCUS: the focus rectangle follows.
LRESULT DIAL_Focus(DialState& s, bool gained);

}  // namespace tw
