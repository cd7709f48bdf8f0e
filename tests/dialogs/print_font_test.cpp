#include "dialogs/print_font.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(PrintFontTest, StyleAndDescription) {
    EXPECT_EQ(FontStyleOf(400, false), FontStyle::kRegular);
    EXPECT_EQ(FontStyleOf(700, false), FontStyle::kBold);
    EXPECT_EQ(FontStyleOf(600, true), FontStyle::kItalic);
    EXPECT_EQ(FontStyleOf(700, true), FontStyle::kBoldItalic);
    EXPECT_EQ(FontDescription("Regular", ", %d point", 100), "Regular, 10 point");
    EXPECT_EQ(FontDescription("Bold Italic", ", %d point", 95), "Bold Italic, 9 point");
}

TEST(PrintFontTest, OnlyWeight700StaysBold) {
    EXPECT_EQ(StoredFontWeight(600), 400);
    EXPECT_EQ(StoredFontWeight(800), 400);
    EXPECT_EQ(StoredFontWeight(700), 700);
}

TEST(PrintFontTest, HeightsOnADevice) {
    EXPECT_EQ(PrintFontHeight(100, 600), -83);  // 10 points at 600 dpi
    EXPECT_EQ(PrintFontHeight(95, 300), -38);   // 9 points: 37.5 rounds up
    EXPECT_EQ(ChooserFontHeight(100, 96), -13);
    EXPECT_EQ(MulDivRounded(-9, 300, 72), -38);
    EXPECT_EQ(MulDivRounded(1, 2, 0), -1);
}

}  // namespace
}  // namespace tw
