#pragma once
// Pictures shown on the button face: tool bar image strips and the STATUS picture. They are
// drawn on transparent cells and laid side by side on the classic face grey, which the tool bar
// treats as transparent and which loaders map to the current face colour. A drawn pixel never
// comes out in one of the colours that loaders treat specially (the face grey itself, and the
// 3-D shadow and light greys that a system-colour mapping replaces), so the face grey is exactly
// the undrawn area.

#include <vector>

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

// True for the colours a drawn pixel must not have.
bool IsReservedFaceColour(Rgb colour);

// The cells side by side in one row, all of the first cell's size; each cell's drawn pixels
// over the face grey, its undrawn (alpha 0) pixels exactly that grey.
Image LayOnButtonFace(const std::vector<Image>& cells);

// Draws each cell with its painter on a transparent cell of the given size, then lays them on the
// face as above.
using CellPainter = void (*)(Image& cell);
Image LayOnButtonFace(int cellWidth, int cellHeight, const std::vector<CellPainter>& painters);

}  // namespace tw::pixelgen
