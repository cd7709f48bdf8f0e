#pragma once
// Painting of the percent bar, double-buffered: the parent's static-control brush around the
// bar, the bar's background, the filled part, the two-colour percentage, the border, the scale
// labels and the tick marks.

#include "controls/percent/percent_bar_state.h"

namespace tw {

// The bar area in client coordinates, as the next paint will place it.
RECT BarAreaRect(const PercentBarState& s);

// WM_PAINT and WM_PRINTCLIENT.
LRESULT PCT_Paint(const PercentBarState& s);
LRESULT PCT_PrintClient(const PercentBarState& s, HDC dc);

}  // namespace tw
