#pragma once
// Seven-segment characters in the style of an LED display, drawn into one cell of an Image.
// Pixel exact: every pixel is one of the look's three colours.

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

struct SegmentLook {
    Rgb background;
    Rgb lit;    // segments that are on
    Rgb ghost;  // segments that are off (digits only), faintly visible as on a real display
};

// Draws character `c` (a digit, / . - : , blank, A, P or M) into the cell whose top-left corner
// is (left, top). Unknown characters leave the cell in the background colour.
void DrawSegmentChar(Image& image, int left, int top, int width, int height, char c,
                     const SegmentLook& look);

}  // namespace tw::pixelgen
