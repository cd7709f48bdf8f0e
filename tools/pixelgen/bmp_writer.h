#pragma once
// Encodes an Image as a Windows bitmap file (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up).

#include <cstdint>
#include <vector>

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

// 24 bits per pixel.
std::vector<uint8_t> EncodeBmp24(const Image& image);

// 8 bits per pixel with a palette of the image's own colours in the order they first appear
// (rows from the top, left to right). Returns an empty vector when the image has more than 256
// colours.
std::vector<uint8_t> EncodeBmp8(const Image& image);

// 4 bits per pixel with the given palette (at most 16 colours). Returns an empty vector when a
// pixel's colour is not in the palette.
std::vector<uint8_t> EncodeBmp4(const Image& image, const std::vector<Rgb>& palette);

}  // namespace tw::pixelgen
