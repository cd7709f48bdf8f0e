// The pictures of the button and the font selector: cell grid, distinct cells, the colours each
// kind of strip may use, and their resource ids.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tools/pixelgen/button_pictures.h"
#include "tools/pixelgen/fontsel_pictures.h"

namespace tw::pixelgen {
namespace {

std::vector<Rgb> CellPixels(const Image& strip, int cell) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < kButtonCellHeight; ++y)
        for (int x = 0; x < kButtonCellWidth; ++x)
            pixels.push_back(strip.At(cell * kButtonCellWidth + x, y));
    return pixels;
}

std::set<Rgb> Colours(const Image& img) {
    std::set<Rgb> colours;
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x) colours.insert(img.At(x, y));
    return colours;
}

TEST(ButtonPictures, StripsAreRowsOfDistinctCells) {
    for (ButtonStripKind kind :
         {ButtonStripKind::Colour, ButtonStripKind::Black, ButtonStripKind::Greyed}) {
        const Image strip = BuildButtonStrip(kind);
        ASSERT_EQ(kButtonCellWidth * kButtonCellCount, strip.Width());
        ASSERT_EQ(kButtonCellHeight, strip.Height());
        std::set<std::vector<Rgb>> cells;
        for (int i = 0; i < kButtonCellCount; ++i) {
            const std::vector<Rgb> pixels = CellPixels(strip, i);
            int shape = 0;
            for (Rgb p : pixels) shape += p != kPictureKey;
            EXPECT_GT(shape, 8) << "cell " << i << " shows something";
            EXPECT_LT(shape, int(pixels.size())) << "cell " << i << " keeps a key border";
            cells.insert(pixels);
        }
        EXPECT_EQ(size_t(kButtonCellCount), cells.size()) << "no two cells alike";
    }
}

TEST(ButtonPictures, EachStripKindKeepsToItsColours) {
    EXPECT_GT(Colours(BuildButtonStrip(ButtonStripKind::Colour)).size(), 5u);
    EXPECT_EQ((std::set<Rgb>{kPictureKey, 0x000000, 0xFFFFFF}),
              Colours(BuildButtonStrip(ButtonStripKind::Black)));
    EXPECT_EQ((std::set<Rgb>{kPictureKey, 0x808080, 0xFFFFFF}),
              Colours(BuildButtonStrip(ButtonStripKind::Greyed)));
}

TEST(FontSelectorPictures, TwoDistinctMarksOnTheKeyColour) {
    const Image trueType = BuildFontKindMark(true);
    const Image other = BuildFontKindMark(false);
    ASSERT_EQ(kFontMarkWidth, trueType.Width());
    ASSERT_EQ(kFontMarkHeight, other.Height());
    EXPECT_EQ(kPictureKey, trueType.At(0, kFontMarkHeight - 1));
    EXPECT_NE(Colours(trueType), Colours(other));
}

TEST(ButtonPictures, TheirIdsAreInTheLibrary) {
    std::set<int> ids;
    for (const Picture& p : AllPictures()) ids.insert(p.resourceId);
    for (int id : {222, 223, 228, 355, 356}) EXPECT_TRUE(ids.count(id)) << id;
}

}  // namespace
}  // namespace tw::pixelgen
