#pragma once
// Painting and size of the four-way spin: the picture of the pressed arrow (the resting one
// when none) at the top-left corner, with grey arrows while disabled; the window keeps the
// picture's size.

#include "controls/spin/udlr_state.h"

namespace tw {

// WM_PAINT and WM_PRINTCLIENT.
LRESULT UDLR_Paint(const UdlrState& s);
LRESULT UDLR_PrintClient(const UdlrState& s, HDC dc);

// WM_SIZE: resizes the window so that its client area is the picture's size, whatever frame
// its styles give it.
LRESULT UDLR_Size(const UdlrState& s);

}  // namespace tw
