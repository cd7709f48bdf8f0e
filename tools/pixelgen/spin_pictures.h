#pragma once
// The four-way spin's pictures (resources 305 to 309): a raised 28 × 28 square whose four
// triangular arrow areas are exactly the control's hit-test areas, at rest and with each arrow
// pressed.

#include <vector>

#include "controls/spin/udlr_rules.h"
#include "tools/pixelgen/image.h"
#include "tools/pixelgen/library_pictures.h"

namespace tw::pixelgen {

constexpr int kSpinRestId = 305;  // then up, down, left and right pressed

// The spin with `pressed` drawn sunken (UdlrArea::None: at rest).
Image BuildSpinPicture(UdlrArea pressed);

// Appends the five pictures, encoded with the 16-colour palette `palette`.
void AppendSpinPictures(std::vector<Picture>& pictures, const std::vector<Rgb>& palette);

}  // namespace tw::pixelgen
