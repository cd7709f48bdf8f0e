#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "controls/res/digit_strips.h"
#include "tools/pixelgen/bmp_writer.h"
#include "tools/pixelgen/library_pictures.h"
#include "tools/pixelgen/program_pictures.h"

namespace tw::pixelgen {
namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(f)) != EOF) bytes.push_back(uint8_t(c));
        std::fclose(f);
    }
    return bytes;
}

// The pixels of one cell, row by row.
std::vector<Rgb> Cell(const Image& strip, int index, DigitCellSize size) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) pixels.push_back(strip.At(index * size.width + x, y));
    return pixels;
}

TEST(Pixelgen, BmpEncodingHeadersAndRowPadding) {
    Image img(3, 2, 0x112233);
    img.Set(0, 0, 0xFF0000);
    std::vector<uint8_t> bmp = EncodeBmp24(img);
    ASSERT_EQ(54u + 2 * 12, bmp.size());  // rows of 9 bytes padded to 12
    EXPECT_EQ('B', bmp[0]);
    EXPECT_EQ(bmp.size(), Read32(bmp, 2));
    EXPECT_EQ(54u, Read32(bmp, 10));
    EXPECT_EQ(3u, Read32(bmp, 18));
    EXPECT_EQ(2u, Read32(bmp, 22));
    EXPECT_EQ(24, bmp[28]);
    // Bottom-up: the top-left red pixel is the first of the second stored row, in B, G, R order.
    EXPECT_EQ(0x00, bmp[54 + 12]);
    EXPECT_EQ(0xFF, bmp[54 + 12 + 2]);
    EXPECT_EQ(0x33, bmp[54]);

    std::vector<uint8_t> four = EncodeBmp4(img, {0x112233, 0xFF0000});
    ASSERT_EQ(54u + 2 * 4 + 2 * 4, four.size());
    EXPECT_EQ(4, four[28]);
    EXPECT_EQ(0x10, four[62 + 4]);  // top row: index 1 then index 0
    EXPECT_TRUE(EncodeBmp4(img, {0x112233}).empty()) << "a colour outside the palette";
    EXPECT_TRUE(EncodeBmp4(img, std::vector<Rgb>(17, 0)).empty());
}

TEST(Pixelgen, DigitStripsAreCrispAndDistinct) {
    for (int size = 0; size < 4; ++size) {
        for (StripKind kind : {StripKind::Normal, StripKind::Selected, StripKind::Disabled}) {
            const DigitCellSize cell = kDigitCellSizes[size];
            Image strip = BuildDigitStrip(size, kind);
            ASSERT_EQ(cell.width * kDigitStripCells, strip.Width());
            ASSERT_EQ(cell.height, strip.Height());
            std::set<Rgb> colours;
            for (int y = 0; y < strip.Height(); ++y)
                for (int x = 0; x < strip.Width(); ++x) colours.insert(strip.At(x, y));
            EXPECT_EQ(3u, colours.size()) << "background, lit and unlit segments only";

            const Rgb background = strip.At(0, 0);
            std::set<std::vector<Rgb>> cells;
            for (int i = 0; i < kDigitStripCells; ++i) {
                std::vector<Rgb> pixels = Cell(strip, i, cell);
                bool blank = true;
                for (Rgb p : pixels) blank = blank && p == background;
                EXPECT_EQ(kDigitStripChars[i] == ' ', blank) << "cell " << i << " size " << size;
                cells.insert(pixels);
            }
            EXPECT_EQ(size_t(kDigitStripCells), cells.size()) << "every character looks different";
        }
    }
}

TEST(Pixelgen, DropDownButtonHasRaisedEdgesAndCentredArrow) {
    Image b = BuildDropDownButton();
    ASSERT_EQ(kDropDownButtonSize, b.Width());
    EXPECT_EQ(0xFFFFFFu, b.At(1, 1));    // highlight top-left
    EXPECT_EQ(0x000000u, b.At(15, 15));  // dark shadow bottom-right
    EXPECT_EQ(0x808080u, b.At(14, 8));   // shadow inside it
    int arrowPixels = 0, leftSum = 0, rightSum = 0;
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x)
            if (b.At(x, y) == 0) {
                ++arrowPixels;
                (x < 8 ? leftSum : rightSum) += 1;
            }
    EXPECT_EQ(7 + 5 + 3 + 1, arrowPixels);
    EXPECT_LE(leftSum - rightSum, 4);
    EXPECT_GE(leftSum - rightSum, 0);
}

TEST(Pixelgen, CommittedResourcesMatchTheGenerator) {
    const std::vector<Picture> pictures = AllPictures();
    ASSERT_GE(pictures.size(), 17u);
    std::set<int> ids;
    for (const Picture& p : pictures) {
        ids.insert(p.resourceId);
        EXPECT_EQ(p.bytes, ReadFile(std::string(TW_RES_FOLDER) + p.fileName))
            << p.fileName << " is stale: build target pixelgen_update";
    }
    EXPECT_EQ(pictures.size(), ids.size());
    for (int id : {810, 901, 904, 911, 914, 921, 924, 305, 309, 214, 215, 217, 230})
        EXPECT_TRUE(ids.count(id)) << id;
    std::string script = BitmapResourceScript(pictures, "controls/res/");
    std::vector<uint8_t> committed = ReadFile(std::string(TW_RES_FOLDER) + "bitmaps.rc");
    EXPECT_EQ(script, std::string(committed.begin(), committed.end()));
    EXPECT_NE(std::string::npos, script.find("903 BITMAP \"controls/res/digits_903.bmp\""));
}

TEST(Pixelgen, CommittedProgramPicturesMatchTheGenerator) {
    for (const ArtFile& file : ProgramPictures()) {
        EXPECT_EQ(file.bytes, ReadFile(std::string(TW_ART_FOLDER) + file.fileName))
            << file.fileName << " is stale: build target pixelgen_update";
    }
}

}  // namespace
}  // namespace tw::pixelgen
