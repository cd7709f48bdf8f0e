#pragma once
// The font selector's marks of a font's kind, 20 x 12 pixels on the magenta key colour: 355 a
// TrueType font, 356 any other.

#include <vector>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/library_pictures.h"

namespace tw::pixelgen {

constexpr int kFontMarkWidth = 20;
constexpr int kFontMarkHeight = 12;

Image BuildFontKindMark(bool trueType);

// Appends 355 and 356.
void AddFontSelectorPictures(std::vector<Picture>& pictures);

}  // namespace tw::pixelgen
