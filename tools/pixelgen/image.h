#pragma once
// A small RGB raster with an alpha channel for drawing pictures pixel by pixel. Pixels set with
// Set and FillRect are opaque; Blend lays a colour over what is there with partial coverage,
// which the anti-aliased shapes of paint.h use.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw::pixelgen {

using Rgb = uint32_t;  // 0xRRGGBB

constexpr Rgb MakeRgb(int r, int g, int b) { return Rgb((r << 16) | (g << 8) | b); }
constexpr int RedOf(Rgb c) { return int((c >> 16) & 0xFF); }
constexpr int GreenOf(Rgb c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return int(c & 0xFF); }

// Mixes a into b: amount 0 gives b, 255 gives a.
Rgb Mix(Rgb a, Rgb b, int amount);

class Image {
public:
    // An opaque image filled with one colour.
    Image(int width, int height, Rgb fill);
    // A fully transparent image (alpha 0, colour black), for icons.
    static Image Transparent(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    // 0 transparent .. 255 opaque.
    uint8_t AlphaAt(int x, int y) const { return alpha_[Index(x, y)]; }

    // Pixels outside the image are silently skipped.
    void Set(int x, int y, Rgb colour);
    // Fills the rectangle with corners (x0, y0) and (x1, y1), both included.
    void FillRect(int x0, int y0, int x1, int y1, Rgb colour);
    // Lays colour over the pixel with coverage 0..255 ("over" compositing, straight alpha).
    void Blend(int x, int y, Rgb colour, int coverage);
    // Copies every pixel of `from` whose alpha is not 0 over this image, its top-left corner at
    // (left, top), blending by the source's alpha.
    void Paste(const Image& from, int left, int top);

private:
    size_t Index(int x, int y) const { return size_t(y) * size_t(width_) + size_t(x); }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
    std::vector<uint8_t> alpha_;
};

}  // namespace tw::pixelgen
