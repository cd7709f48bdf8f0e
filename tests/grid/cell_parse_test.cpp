// Reading typed dates, times and numbers back into stored values.
#include <gtest/gtest.h>

#include "grid/cell_parse.h"
#include "grid/dtbl32.h"

namespace tw {
namespace grid {
namespace {

TEST(CellParse, DatesFollowThePictureOrder) {
    struct Case {
        const char* text;
        const char* picture;
        bool ok;
        uint16_t packed;
    } cases[] = {
        {"3/4/2021", "M/d/yyyy", true, PackDosDate(2021, 3, 4)},
        {"3/4/2021", "dd.MM.yyyy", true, PackDosDate(2021, 4, 3)},
        {"2021-03-04", "yyyy'-'MM'-'dd", true, PackDosDate(2021, 3, 4)},
        {"1/2/79", "M/d/yy", true, PackDosDate(2079, 1, 2)},
        {"1/2/85", "M/d/yy", true, PackDosDate(1985, 1, 2)},
        {"2/29/2023", "M/d/yyyy", false, 0},
        {"2/29/2024", "M/d/yyyy", true, PackDosDate(2024, 2, 29)},
        {"13/1/2020", "M/d/yyyy", false, 0},
        {"1/1/1979", "M/d/yyyy", false, 0},
        {"1/1/2108", "M/d/yyyy", false, 0},
        {"1/1", "M/d/yyyy", false, 0},
        {"1/1/2020 x", "M/d/yyyy", false, 0},
        {"99999999999/1/2020", "M/d/yyyy", false, 0},
        {"", "M/d/yyyy", false, 0},
    };
    for (const Case& c : cases) {
        uint16_t packed = 0;
        EXPECT_EQ(ParseDate(c.text, c.picture, packed), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(packed, c.packed) << c.text;
        }
    }
}

TEST(CellParse, TimesWithAndWithoutDesignators) {
    struct Case {
        const char* text;
        bool ok;
        uint16_t packed;
    } cases[] = {
        {"9:05", true, PackDosTime(9, 5, 0)},
        {"9:05:31 PM", true, PackDosTime(21, 5, 30)},
        {"12:10 a", true, PackDosTime(0, 10, 0)},
        {"12:10 P", true, PackDosTime(12, 10, 0)},
        {"23", true, PackDosTime(23, 0, 0)},
        {"13:00 PM", false, 0},
        {"24:00", false, 0},
        {"9:60", false, 0},
        {"9:00 x", false, 0},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        uint16_t packed = 0;
        EXPECT_EQ(ParseTime(c.text, packed), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(packed, c.packed) << c.text;
        }
    }
}

TEST(CellParse, Numbers) {
    int32_t value = 0;
    EXPECT_TRUE(ParseNumber(" -42 ", value));
    EXPECT_EQ(value, -42);
    EXPECT_FALSE(ParseNumber("4x", value));
    EXPECT_FALSE(ParseNumber("", value));
    EXPECT_FALSE(ParseNumber("99999999999", value));
}

}  // namespace
}  // namespace grid
}  // namespace tw
