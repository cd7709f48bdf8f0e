#include <gtest/gtest.h>

#include <set>

#include "tools/pixelgen/bmp_writer.h"
#include "tools/pixelgen/colour_reduction.h"

namespace tw::pixelgen {
namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

std::set<Rgb> ColoursOf(const Image& img) {
    std::set<Rgb> colours;
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x) colours.insert(img.At(x, y));
    return colours;
}

// A row of `count` greys, one step apart, with the key colour in the first column.
Image Ramp(int count, Rgb key) {
    Image img(count + 1, 1, key);
    for (int i = 0; i < count; ++i) img.Set(i + 1, 0, MakeRgb(i, i, i));
    return img;
}

TEST(PixelgenPalette, EightBitBitmapsIndexTheirOwnColours) {
    Image img(5, 2, 0xC0C0C0);
    img.Set(4, 0, 0xFF0000);
    img.Set(0, 1, 0x00FF00);
    const std::vector<uint8_t> bmp = EncodeBmp8(img);
    ASSERT_EQ(54u + 3 * 4 + 2 * 8, bmp.size()) << "3 palette entries, rows of 5 padded to 8";
    EXPECT_EQ(8, bmp[28]);
    EXPECT_EQ(3u, Read32(bmp, 46)) << "colours used";
    EXPECT_EQ(54u + 12, Read32(bmp, 10)) << "pixels start after the palette";
    EXPECT_EQ(0xC0C0C0u, Read32(bmp, 54)) << "the top-left colour comes first";
    EXPECT_EQ(0xFF0000u, Read32(bmp, 58));
    EXPECT_EQ(0x00FF00u, Read32(bmp, 62));
    const size_t pixels = 54 + 12;
    EXPECT_EQ(2, bmp[pixels]) << "bottom row first: green at its left";
    EXPECT_EQ(0, bmp[pixels + 5]) << "padding";
    EXPECT_EQ(1, bmp[pixels + 8 + 4]) << "top row: red at its right";

    EXPECT_FALSE(EncodeBmp8(Ramp(255, 0xC0C0C1)).empty()) << "256 colours fit";
    EXPECT_TRUE(EncodeBmp8(Ramp(256, 0xC0C0C1)).empty()) << "257 do not";
}

TEST(PixelgenPalette, ReductionMergesNeighboursAndKeepsTheKeyExact) {
    const Rgb key = 0xC0C0C0;
    Image ramp = Ramp(100, key);
    const Image reduced = ReduceColours(ramp, 10, {key});
    EXPECT_EQ(10u, ColoursOf(reduced).size());
    EXPECT_EQ(key, reduced.At(0, 0));
    for (int x = 1; x < reduced.Width(); ++x) {
        EXPECT_NE(key, reduced.At(x, 0)) << "nothing merges into the key";
        EXPECT_LE(std::abs(RedOf(reduced.At(x, 0)) - (x - 1)), 8) << "a near shade, x " << x;
    }

    Image two(4, 1, 0xFFFFFF);
    two.Set(1, 0, MakeRgb(10, 10, 10));
    two.Set(2, 0, MakeRgb(14, 10, 10));  // close to the one before
    two.Set(3, 0, MakeRgb(200, 0, 0));
    const Image merged = ReduceColours(two, 3, {});
    EXPECT_EQ(MakeRgb(12, 10, 10), merged.At(1, 0)) << "the mean of the closest pair";
    EXPECT_EQ(merged.At(1, 0), merged.At(2, 0));
    EXPECT_EQ(MakeRgb(200, 0, 0), merged.At(3, 0));

    Image around(3, 1, 0xC0C0C0);
    around.Set(1, 0, 0xBFBFBF);
    around.Set(2, 0, 0xC1C1C1);
    const Image apart = ReduceColours(around, 2, {0xC0C0C0});
    EXPECT_EQ(0xC0C0C0u, apart.At(0, 0));
    EXPECT_NE(0xC0C0C0u, apart.At(1, 0)) << "a mean never lands on a kept colour";
    EXPECT_EQ(apart.At(1, 0), apart.At(2, 0));
    EXPECT_EQ(0xFFFFFFu, merged.At(0, 0));

    const Image untouched = ReduceColours(two, 256, {});
    for (int x = 0; x < 4; ++x) EXPECT_EQ(two.At(x, 0), untouched.At(x, 0));
    const Image onlyKept = ReduceColours(ramp, 1, {key});
    EXPECT_LE(ColoursOf(onlyKept).size(), 2u) << "the kept colour and one other at least";
}

}  // namespace
}  // namespace tw::pixelgen
