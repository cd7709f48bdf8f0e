#include "tools/pixelgen/image.h"

#include <algorithm>

namespace tw::pixelgen {

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(size_t(width_) * size_t(height_), fill) {}

void Image::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[size_t(y) * width_ + x] = colour;
}

void Image::FillRect(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Set(x, y, colour);
}

}  // namespace tw::pixelgen
