#include <gtest/gtest.h>

#include <set>

#include "app/date_exchange.h"
#include "app/frame_geometry.h"
#include "app/system_menu_blocks.h"
#include "framework/local_time.h"

namespace tw {
namespace {

TEST(SystemMenuBlocks, HandsOutBlocksOf16SkippingUsedOnesAndWrapping) {
    SystemMenuBlocks blocks;
    std::set<unsigned> used;
    auto inUse = [&](unsigned base) { return used.count(base) != 0; };
    EXPECT_EQ(blocks.Allocate(inUse), 16u);
    used = {32, 48};
    EXPECT_EQ(blocks.Allocate(inUse), 64u);
    used.clear();
    // Near the end of the range the search goes on at 16.
    while (blocks.Next() != 0xEFF0) blocks.Allocate(inUse);
    EXPECT_EQ(blocks.Allocate(inUse), 0xEFF0u);
    EXPECT_EQ(blocks.Allocate(inUse), 16u);
    EXPECT_EQ(SystemMenuBlocks::BaseOf(16 + 3), 16u);
}

TEST(SystemMenuBlocks, NoneWhenEveryBlockIsUsed) {
    SystemMenuBlocks blocks;
    EXPECT_EQ(blocks.Allocate([](unsigned) { return true; }), 0u);
    EXPECT_EQ(blocks.Allocate([](unsigned base) { return base != 0x8000; }), 0x8000u);
}

TEST(FrameGeometry, CompactedSizes) {
    const FrameMetrics m{4, 4, 19, 19};
    EXPECT_EQ(CompactedMainHeight(600, 400, 27, m), 600 - 400 + 27 + 8 + 19 + 19);
    const Size2 child = CompactedChildSize({120, 40}, 30, m);
    EXPECT_EQ(child.width, 128);
    EXPECT_EQ(child.height, 19 + 12 + 30 + 40);
}

TEST(FrameGeometry, AutoSaveIsDueAfterTheWholeInterval) {
    EXPECT_FALSE(IsAutoSaveDue(1000 + 299, 1000, 5));
    EXPECT_TRUE(IsAutoSaveDue(1000 + 300, 1000, 5));
    EXPECT_TRUE(IsAutoSaveDue(1000, 1000, 0));
    EXPECT_FALSE(IsAutoSaveDue(INT32_MIN, INT32_MAX, 1)) << "no overflow";
}

class DateExchangeTest : public ::testing::Test {
protected:
    const CalTime old_ = MakeLocalTime({2026, 3, 15, 14, 25, 36});
};

TEST_F(DateExchangeTest, TwoDigitYearsAreCompleted) {
    auto yearOf = [&](int year) {
        return SplitLocalTime(TimeFromDateControl({year, 6, 1}, false, old_)).year;
    };
    EXPECT_EQ(yearOf(37), 2037);
    EXPECT_EQ(yearOf(0), 2000);
    EXPECT_EQ(yearOf(70), 1970);
    EXPECT_EQ(yearOf(99), 1999);
    EXPECT_EQ(yearOf(38), 2026) << "the year of the old value";
    EXPECT_EQ(yearOf(1969), 1970);
    EXPECT_EQ(yearOf(2050), 2037);
}

TEST_F(DateExchangeTest, TheDateKeepsTheOldTimeOfDayAndStaysInItsMonth) {
    const LocalParts p = SplitLocalTime(TimeFromDateControl({2026, 2, 31}, false, old_));
    EXPECT_EQ(p.month, 2) << "31 February does not roll into March";
    EXPECT_EQ(p.day, 28);
    EXPECT_EQ(p.hour, 14);
    EXPECT_EQ(p.minute, 25);
    EXPECT_EQ(p.second, 36);
}

TEST_F(DateExchangeTest, NullStaysNull) {
    EXPECT_EQ(TimeFromDateControl({2026, 1, 1}, true, old_), old_);
    EXPECT_EQ(TimeFromDateControl({2026, 1, 1}, false, kNullTime), kNullTime);
    EXPECT_EQ(TimeFromTimeControl({1, 2, 3}, false, kNullTime), kNullTime);
    DateParts parts{};
    EXPECT_FALSE(DateForControl(kNullTime, parts));
    ASSERT_TRUE(DateForControl(old_, parts));
    EXPECT_EQ(parts.year, 2026);
    EXPECT_EQ(parts.day, 15);
}

TEST_F(DateExchangeTest, TimeOfDayIsLimitedAndKeepsTheDate) {
    const LocalParts p = SplitLocalTime(TimeFromTimeControl({25, 75, -3}, false, old_));
    EXPECT_EQ(p.hour, 23);
    EXPECT_EQ(p.minute, 59);
    EXPECT_EQ(p.second, 0);
    EXPECT_EQ(p.day, 15);
    const TimeOfDayParts shown = TimeOfDayForControl(old_);
    EXPECT_EQ(shown.hour, 14);
    EXPECT_EQ(shown.second, 36);
}

}  // namespace
}  // namespace tw
