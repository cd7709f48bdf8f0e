#include <gtest/gtest.h>

#include "tools/pixelgen/ico_writer.h"

namespace tw::pixelgen {
namespace {

uint32_t Read16(const std::vector<uint8_t>& b, size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return Read16(b, at) | (Read16(b, at + 2) << 16);
}

// One image of an icon file as its directory entry describes it.
struct Entry {
    int width, height, bits;
    uint32_t bytes, offset;
};

Entry EntryOf(const std::vector<uint8_t>& ico, int index) {
    const size_t at = 6 + 16 * size_t(index);
    return {ico[at] ? ico[at] : 256, ico[at + 1] ? ico[at + 1] : 256, int(Read16(ico, at + 6)),
            Read32(ico, at + 8), Read32(ico, at + 12)};
}

// The pixel (x, y) of an entry, counted from the top: blue, green, red, alpha.
std::vector<uint8_t> PixelOf(const std::vector<uint8_t>& ico, const Entry& e, int x, int y) {
    const size_t at = e.offset + 40 + (size_t(e.height - 1 - y) * e.width + x) * 4;
    return {ico[at], ico[at + 1], ico[at + 2], ico[at + 3]};
}

bool MaskBitOf(const std::vector<uint8_t>& ico, const Entry& e, int x, int y) {
    const size_t rowBytes = ((e.width + 31) / 32) * 4;
    const size_t at = e.offset + 40 + size_t(e.width) * e.height * 4 +
                      size_t(e.height - 1 - y) * rowBytes + x / 8;
    return (ico[at] >> (7 - x % 8)) & 1;
}

TEST(PixelgenIco, DirectoryAndHeadersDescribeEveryImage) {
    Image large = Image::Transparent(32, 32);
    Image small = Image::Transparent(16, 16);
    const std::vector<uint8_t> ico = EncodeIco({large, small});
    ASSERT_GE(ico.size(), 6u + 2 * 16);
    EXPECT_EQ(0u, Read16(ico, 0));
    EXPECT_EQ(1u, Read16(ico, 2)) << "type 1 is an icon";
    ASSERT_EQ(2u, Read16(ico, 4));

    const Entry first = EntryOf(ico, 0), second = EntryOf(ico, 1);
    EXPECT_EQ(32, first.width);
    EXPECT_EQ(32, first.height);
    EXPECT_EQ(16, second.width);
    EXPECT_EQ(32, first.bits);
    EXPECT_EQ(32, second.bits);
    EXPECT_EQ(0, ico[6 + 2]) << "no palette";
    EXPECT_EQ(1u, Read16(ico, 6 + 4)) << "one plane";
    EXPECT_EQ(6u + 2 * 16, first.offset);
    EXPECT_EQ(40u + 32 * 32 * 4 + 32 * 4, first.bytes) << "header, colours, mask rows of 4 bytes";
    EXPECT_EQ(first.offset + first.bytes, second.offset);
    EXPECT_EQ(40u + 16 * 16 * 4 + 16 * 4, second.bytes) << "16-pixel mask rows pad to 4 bytes";
    EXPECT_EQ(second.offset + second.bytes, ico.size());

    for (const Entry& e : {first, second}) {
        EXPECT_EQ(40u, Read32(ico, e.offset));
        EXPECT_EQ(uint32_t(e.width), Read32(ico, e.offset + 4));
        EXPECT_EQ(uint32_t(e.height) * 2, Read32(ico, e.offset + 8)) << "colours and mask";
        EXPECT_EQ(1u, Read16(ico, e.offset + 12));
        EXPECT_EQ(32u, Read16(ico, e.offset + 14));
        EXPECT_EQ(0u, Read32(ico, e.offset + 16)) << "uncompressed";
        EXPECT_EQ(e.bytes - 40, Read32(ico, e.offset + 20));
    }
}

TEST(PixelgenIco, PixelsAreBottomUpBgraAndTheMaskMarksOnlyClearPixels) {
    Image img = Image::Transparent(16, 16);
    img.Set(0, 0, MakeRgb(10, 20, 30));         // top left, opaque
    img.Blend(15, 15, MakeRgb(200, 0, 0), 64);  // bottom right, a soft edge
    img.Blend(9, 0, 0x00FF00, 1);
    const std::vector<uint8_t> ico = EncodeIco({img});
    const Entry e = EntryOf(ico, 0);

    EXPECT_EQ((std::vector<uint8_t>{30, 20, 10, 255}), PixelOf(ico, e, 0, 0));
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 200, 64}), PixelOf(ico, e, 15, 15));
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0}), PixelOf(ico, e, 5, 5))
        << "clear pixels are black so the mask's XOR leaves the screen as it is";
    // The colour rows start with the bottom row.
    EXPECT_EQ(64, ico[e.offset + 40 + 15 * 4 + 3]);

    EXPECT_FALSE(MaskBitOf(ico, e, 0, 0));
    EXPECT_FALSE(MaskBitOf(ico, e, 15, 15)) << "a soft edge stays visible without alpha";
    EXPECT_FALSE(MaskBitOf(ico, e, 9, 0));
    EXPECT_TRUE(MaskBitOf(ico, e, 8, 0));
    EXPECT_TRUE(MaskBitOf(ico, e, 1, 0));
    EXPECT_TRUE(MaskBitOf(ico, e, 14, 15));
    // The padding of each mask row is zero.
    const size_t maskStart = e.offset + 40 + 16 * 16 * 4;
    EXPECT_EQ(0, ico[maskStart + 2]);
    EXPECT_EQ(0, ico[maskStart + 3]);
}

TEST(PixelgenIco, RefusesWhatAnIconCannotHold) {
    EXPECT_TRUE(EncodeIco({}).empty());
    EXPECT_TRUE(EncodeIco({Image(0, 0, 0)}).empty());
    EXPECT_TRUE(EncodeIco({Image(16, 16, 0), Image(257, 16, 0)}).empty());
    const std::vector<uint8_t> big = EncodeIco({Image(256, 256, 0)});
    ASSERT_FALSE(big.empty());
    EXPECT_EQ(0, big[6]) << "256 is written as 0";
    EXPECT_EQ(0, big[7]);
    const std::vector<uint8_t> odd = EncodeIco({Image(33, 2, 0)});
    ASSERT_FALSE(odd.empty());
    EXPECT_EQ(40u + 33 * 2 * 4 + 2 * 8, EntryOf(odd, 0).bytes) << "33-pixel mask rows are 8 bytes";
}

}  // namespace
}  // namespace tw::pixelgen
