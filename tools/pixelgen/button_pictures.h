#pragma once
// The button's picture strips: cells of 16 x 15 pixels on a magenta key colour that the button
// leaves out. 222 in colour, 223 the alternate strip in black, 228 the cells of 222 greyed.

#include <vector>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/library_pictures.h"

namespace tw::pixelgen {

constexpr Rgb kPictureKey = 0xFF00FF;
constexpr int kButtonCellWidth = 16;
constexpr int kButtonCellHeight = 15;
constexpr int kButtonCellCount = 11;  // check, cross, four arrows, plus, minus, ?, folder, clock

enum class ButtonStripKind { Colour, Black, Greyed };

Image BuildButtonStrip(ButtonStripKind kind);

// Appends 222, 223 and 228.
void AddButtonPictures(std::vector<Picture>& pictures);

}  // namespace tw::pixelgen
