#pragma once
// Encodes Images as a Windows icon file: one directory entry per image, each image 32 bits per
// pixel (blue, green, red, alpha) followed by its 1-bit AND mask, so that systems that blend by
// alpha and those that only know the mask both show it right.

#include <cstdint>
#include <vector>

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

// Returns an empty vector when there is no image or one is empty or wider or taller than 256.
std::vector<uint8_t> EncodeIco(const std::vector<Image>& images);

}  // namespace tw::pixelgen
