#pragma once
// The outline list's bitmaps: the open/close boxes (214), the dotted and solid line patterns
// (215, 230) and the built-in strip of 14 item pictures in three state cells (217).

#include <vector>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/library_pictures.h"

namespace tw::pixelgen {

constexpr int kOutlineBoxesId = 214;
constexpr int kOutlineDottedId = 215;
constexpr int kOutlineStripId = 217;
constexpr int kOutlineSolidId = 230;

constexpr Rgb kOutlineKey = 0xFF00FF;  // the colour that shows the background

// 22 x 11: the closed box (a plus) at x 0, the open box (a minus) at x 11.
Image BuildOutlineBoxes();
// 8 x 8 line patterns: black pixels draw, white ones leave gaps (every other pixel, or none).
Image BuildLinePattern(bool dotted);
// 756 x 16: image i in cells 3i (no children), 3i + 1 (open) and 3i + 2 (closed), 18 pixels
// each: folder, node, file, drive root, program, system file, picture, note, text, help,
// removable, fixed, network and CD-ROM drives.
Image BuildOutlineStrip();

// Appends the four pictures, encoded.
void AppendOutlinePictures(std::vector<Picture>& pictures);

}  // namespace tw::pixelgen
