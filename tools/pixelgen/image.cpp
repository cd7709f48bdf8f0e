#include "tools/pixelgen/image.h"

#include <algorithm>

namespace tw::pixelgen {

namespace {

int Clamp255(int v) { return std::min(255, std::max(0, v)); }

}  // namespace

Rgb Mix(Rgb a, Rgb b, int amount) {
    amount = Clamp255(amount);
    auto channel = [amount](int ca, int cb) {
        return (ca * amount + cb * (255 - amount) + 127) / 255;
    };
    return MakeRgb(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
                   channel(BlueOf(a), BlueOf(b)));
}

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(size_t(width_) * size_t(height_), fill),
      alpha_(pixels_.size(), 255) {}

Image Image::Transparent(int width, int height) {
    Image image(width, height, 0);
    std::fill(image.alpha_.begin(), image.alpha_.end(), uint8_t(0));
    return image;
}

void Image::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[Index(x, y)] = colour;
    alpha_[Index(x, y)] = 255;
}

void Image::FillRect(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Set(x, y, colour);
}

void Image::Blend(int x, int y, Rgb colour, int coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    coverage = Clamp255(coverage);
    if (coverage == 0) return;
    const size_t i = Index(x, y);
    // Weights of the source and of what shows through it, both scaled by 255 * 255.
    const int under = alpha_[i] * (255 - coverage);
    const int total = coverage * 255 + under;
    auto channel = [&](int source, int dest) {
        return (source * coverage * 255 + dest * under + total / 2) / total;
    };
    const Rgb old = pixels_[i];
    pixels_[i] = MakeRgb(channel(RedOf(colour), RedOf(old)), channel(GreenOf(colour), GreenOf(old)),
                         channel(BlueOf(colour), BlueOf(old)));
    alpha_[i] = uint8_t((total + 127) / 255);
}

void Image::Paste(const Image& from, int left, int top) {
    for (int y = 0; y < from.Height(); ++y)
        for (int x = 0; x < from.Width(); ++x)
            Blend(left + x, top + y, from.At(x, y), from.AlphaAt(x, y));
}

}  // namespace tw::pixelgen
