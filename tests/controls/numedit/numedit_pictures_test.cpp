// The spin arrows of the numeric edit as the picture generator draws them.

#include <gtest/gtest.h>

#include "tools/pixelgen/numedit_pictures.h"

namespace tw::pixelgen {
namespace {

// Arrow pixels of one cell per row, top to bottom.
std::vector<int> RowWidths(const Image& img, int cell) {
    std::vector<int> widths;
    for (int y = 0; y < img.Height(); ++y) {
        int count = 0;
        for (int x = 0; x < kSpinArrowCellWidth; ++x)
            if (img.At(cell * kSpinArrowCellWidth + x, y) != 0xFFFFFF) ++count;
        widths.push_back(count);
    }
    return widths;
}

TEST(SpinArrows, UpAndDownInBlackThenGrey) {
    const Image img = BuildSpinArrows();
    ASSERT_EQ(img.Width(), kSpinArrowCellWidth * kSpinArrowCells);
    ASSERT_EQ(img.Height(), kSpinArrowCellHeight);
    const std::vector<int> up = {0, 1, 3, 5, 7, 0};
    const std::vector<int> down = {0, 7, 5, 3, 1, 0};
    EXPECT_EQ(RowWidths(img, 0), up);
    EXPECT_EQ(RowWidths(img, 1), down);
    EXPECT_EQ(RowWidths(img, 2), up);
    EXPECT_EQ(RowWidths(img, 3), down);
    EXPECT_EQ(img.At(4, 4), 0x000000u) << "centred, black";
    EXPECT_EQ(img.At(2 * kSpinArrowCellWidth + 4, 4), 0x808080u) << "greyed";
    for (int cell = 0; cell < kSpinArrowCells; ++cell) {
        const int left = cell * kSpinArrowCellWidth;
        EXPECT_EQ(img.At(left + 1, 4), img.At(left + 7, 4)) << "symmetric, cell " << cell;
    }
}

TEST(SpinArrows, OneOfTheLibraryPictures) {
    std::vector<Picture> pictures;
    AddNumEditPictures(pictures);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].resourceId, kSpinArrowsId);
    EXPECT_FALSE(pictures[0].bytes.empty()) << "every colour is in the palette";
    EXPECT_EQ(pictures[0].bytes[28], 4) << "4 bits per pixel";
}

}  // namespace
}  // namespace tw::pixelgen
