#pragma once
// A small RGB raster for drawing the library's pictures pixel by pixel (no anti-aliasing).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw::pixelgen {

using Rgb = uint32_t;  // 0xRRGGBB

constexpr Rgb MakeRgb(int r, int g, int b) { return Rgb((r << 16) | (g << 8) | b); }

class Image {
public:
    Image(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }

    // Pixels outside the image are silently skipped.
    void Set(int x, int y, Rgb colour);
    // Fills the rectangle with corners (x0, y0) and (x1, y1), both included.
    void FillRect(int x0, int y0, int x1, int y1, Rgb colour);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace tw::pixelgen
