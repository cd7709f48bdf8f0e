#pragma once
// Tool bar image strips: images drawn on transparent cells, laid side by side on the button face
// colour that the tool bar shows through. A drawn pixel never comes out in one of the colours
// that loaders treat specially (the transparent face, and the 3-D shadow and light greys that a
// system-colour mapping replaces), so the transparency mask is exactly the undrawn area.

#include <vector>

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

constexpr Rgb kToolBarTransparent = MakeRgb(192, 192, 192);

// True for the colours a drawn pixel must not have.
bool IsReservedToolBarColour(Rgb colour);

// The cells side by side in one row, all of the first cell's size; each cell's drawn pixels
// over the transparent colour, its undrawn (alpha 0) pixels exactly that colour.
Image AssembleToolBarStrip(const std::vector<Image>& cells);

}  // namespace tw::pixelgen
