// The outline list's bitmaps: sizes, the transparent key where the painting looks for it,
// and pictures that tell their states and kinds apart.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tools/pixelgen/outline_pictures.h"

namespace tw::pixelgen {
namespace {

std::vector<Rgb> Region(const Image& image, int left, int width) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = left; x < left + width; ++x) pixels.push_back(image.At(x, y));
    return pixels;
}

TEST(OutlinePictures, StripHasFourteenImagesInThreeStateCells) {
    const Image strip = BuildOutlineStrip();
    ASSERT_EQ(756, strip.Width());
    ASSERT_EQ(16, strip.Height());
    EXPECT_EQ(kOutlineKey, strip.At(0, 15)) << "the bottom-left pixel is the transparent key";
    // The folder shows its three states differently.
    const auto empty = Region(strip, 0, 18), open = Region(strip, 18, 18),
               closed = Region(strip, 36, 18);
    EXPECT_NE(empty, open);
    EXPECT_NE(open, closed);
    EXPECT_NE(empty, closed);
    // Every image differs from every other (compared by its first cell), and none is empty.
    std::set<std::vector<Rgb>> images;
    for (int i = 0; i < 14; ++i) {
        const auto cell = Region(strip, 3 * i * 18, 18);
        EXPECT_NE(std::vector<Rgb>(cell.size(), kOutlineKey), cell) << "image " << i;
        images.insert(cell);
    }
    EXPECT_EQ(14u, images.size());
}

TEST(OutlinePictures, BoxesAndLinePatterns) {
    const Image boxes = BuildOutlineBoxes();
    ASSERT_EQ(22, boxes.Width());
    ASSERT_EQ(11, boxes.Height());
    EXPECT_EQ(kOutlineKey, boxes.At(0, 10));
    EXPECT_EQ(0x000000u, boxes.At(5, 3)) << "the closed box has the plus's upright";
    EXPECT_NE(0x000000u, boxes.At(11 + 5, 3)) << "the open box has only the minus";
    EXPECT_EQ(0x000000u, boxes.At(11 + 5, 5));

    const Image dotted = BuildLinePattern(true), solid = BuildLinePattern(false);
    ASSERT_EQ(8, dotted.Width());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ((x + y) % 2 ? 0xFFFFFFu : 0u, dotted.At(x, y)) << x << "," << y;
            EXPECT_EQ(0u, solid.At(x, y));
        }
}

}  // namespace
}  // namespace tw::pixelgen
