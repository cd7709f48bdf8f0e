#pragma once
// Where the date edit's drop-down calendar goes on the screen. Portable.

namespace tw {

struct ScreenRect {
    int left, top, right, bottom;  // right and bottom exclusive, as a window rectangle
};

struct ScreenPoint {
    int x, y;
};

// The top-left corner for a popup of `width` x `height` under the control `anchor`: at the
// control's bottom-left corner, moved onto the screen `screen` (right and down when the corner
// lies off it, left by the overflow at the right edge) and above the control when it would
// overflow the bottom. It never starts left of or above the screen.
ScreenPoint PlaceDropDown(const ScreenRect& anchor, int width, int height,
                          const ScreenRect& screen);

}  // namespace tw
