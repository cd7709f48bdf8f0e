// The font selector's portable rules: the size table, point conversions, the family table and
// the placement of the lists.

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "controls/fontsel/family_table.h"
#include "controls/fontsel/font_sizes.h"
#include "controls/fontsel/fontsel_layout.h"

namespace tw {
namespace {

int NearestSize(int points) { return kFontSizeTable[NearestSizeIndex(points)]; }

TEST(FontSizes, NearestTableSizeTakesTheLargerOnATie) {
    const struct {
        int asked, chosen;
    } cases[] = {{13, 14}, {30, 28}, {34, 36}, {100, 72}, {1, 8},   {8, 8},
                 {10, 10}, {32, 36}, {60, 72}, {0, 8},    {-50, 8}, {INT_MAX, 72}};
    for (const auto& c : cases) EXPECT_EQ(c.chosen, NearestSize(c.asked)) << c.asked;
}

TEST(FontSizes, HeightsAndPointsAtTheScreenResolution) {
    EXPECT_EQ(-16, FontHeightFromPoints(12, 96));
    EXPECT_EQ(-13, FontHeightFromPoints(10, 96));
    EXPECT_EQ(-12, FontHeightFromPoints(12, 72));
    EXPECT_EQ(12, PointsFromCharHeight(16, 96));
    EXPECT_EQ(12, PointsFromCharHeight(-16, 96)) << "a negative height counts by its size";
    EXPECT_EQ(13, PointsFromCharHeight(17, 96)) << "12.75 rounds up";
    EXPECT_EQ(2, PointsFromCharHeight(2, 96)) << "1.5 rounds half up";
    EXPECT_EQ(12, PointsFromCharHeight(16, 0)) << "no resolution: 96 dpi";
    EXPECT_EQ(12, PointsFromCharHeight(16, -5));
    EXPECT_GT(PointsFromCharHeight(INT_MIN, 96), 0) << "no overflow at the extremes";
}

TEST(FamilyTable, GrowsByRecordsAndCutsLongNames) {
    FamilyTable table = {};
    EXPECT_EQ(nullptr, FamilyAt(table, 0));
    ASSERT_TRUE(AppendFamily(table, 4, "Arial"));
    ASSERT_TRUE(AppendFamily(table, 0, "An extremely long face name that goes on and on"));
    EXPECT_FALSE(AppendFamily(table, 0, nullptr));
    ASSERT_EQ(2u, table.count);
    EXPECT_STREQ("Arial", FamilyAt(table, 0)->name);
    EXPECT_EQ(4u, FamilyAt(table, 0)->flag);
    EXPECT_EQ(31u, std::strlen(FamilyAt(table, 1)->name));
    EXPECT_EQ(nullptr, FamilyAt(table, 2)) << "item data outside the table";
    EXPECT_EQ(nullptr, FamilyAt(table, uintptr_t(-1)));
    ClearFamilies(table);
    EXPECT_EQ(0u, table.count);
    EXPECT_EQ(nullptr, table.records);
}

void* RefuseToGrow(void*, size_t) { return nullptr; }

TEST(FamilyTable, KeepsItsContentWhenItCannotGrow) {
    FamilyTable table = {};
    ASSERT_TRUE(AppendFamily(table, 4, "Tahoma"));
    FamilyRecord* before = table.records;
    EXPECT_FALSE(AppendFamily(table, 0, "Courier", RefuseToGrow));
    EXPECT_EQ(1u, table.count);
    EXPECT_EQ(before, table.records);
    EXPECT_STREQ("Tahoma", FamilyAt(table, 0)->name);
    ClearFamilies(table);
}

TEST(FamilyTable, CopyCutRespectsTheBufferSize) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(0u, CopyCut(buffer, 0, "Arial"));
    EXPECT_EQ('x', buffer[0]) << "nothing written into a buffer of size 0";
    EXPECT_EQ(0u, CopyCut(buffer, 1, "Arial"));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(3u, CopyCut(buffer, 4, "Arial"));
    EXPECT_STREQ("Ari", buffer);
    EXPECT_EQ('x', buffer[4]);
    EXPECT_EQ(5u, CopyCut(buffer, sizeof buffer, "Arial"));
    EXPECT_STREQ("Arial", buffer);
    EXPECT_EQ(0u, CopyCut(buffer, sizeof buffer, nullptr));
    EXPECT_EQ(0u, CopyCut(nullptr, 8, "Arial"));
}

TEST(FontSelLayout, ListsShareTheWidth) {
    const FontSelLayout l = LayOutFontSel(300, 7, 16);
    EXPECT_EQ(4 * 7 + 24, l.size.width);
    EXPECT_EQ(300 - 52 - 10, l.family.width);
    EXPECT_EQ(2, l.family.x);
    EXPECT_EQ(2, l.family.y);
    EXPECT_EQ(298, l.size.x + l.size.width) << "2 pixels from the right edge";
    EXPECT_EQ(16 + 4 + 10 * 16, l.family.height) << "field and ten dropped lines";

    EXPECT_EQ(kNarrowFamilyWidth, LayOutFontSel(40, 7, 16).family.width);
    EXPECT_EQ(0, LayOutFontSel(50, 7, 16).family.width) << "never negative";
}

}  // namespace
}  // namespace tw
