#include "framework/local_time.h"
#include "doc/time_range.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(ValidTimeRange, BoundsAreFirstAndLastLocalSecond) {
    const TimeRange r = ValidTimeRange();
    const LocalParts first = SplitLocalTime(r.first);
    const LocalParts last = SplitLocalTime(r.last);
    EXPECT_EQ(1980, first.year);
    EXPECT_EQ(1, first.month);
    EXPECT_EQ(1, first.day);
    EXPECT_EQ(0, first.hour + first.minute + first.second);
    EXPECT_EQ(2037, last.year);
    EXPECT_EQ(12, last.month);
    EXPECT_EQ(31, last.day);
    EXPECT_EQ(23, last.hour);
    EXPECT_EQ(59, last.minute);
    EXPECT_EQ(59, last.second);
}

TEST(ValidTimeRange, ClampKeepsInsideAndMovesOutsideToTheEnds) {
    const TimeRange r = ValidTimeRange();
    EXPECT_EQ(r.first, ClampToValidRange(0));  // 1970 becomes 1980-01-01 00:00:00
    EXPECT_EQ(r.first, ClampToValidRange(r.first - 1));
    EXPECT_EQ(r.first, ClampToValidRange(r.first));
    EXPECT_EQ(r.first + 1, ClampToValidRange(r.first + 1));
    EXPECT_EQ(r.last, ClampToValidRange(r.last));
    EXPECT_EQ(r.last, ClampToValidRange(r.last + 1));
    EXPECT_TRUE(r.Contains(r.first) && r.Contains(r.last));
    EXPECT_FALSE(r.Contains(r.first - 1) || r.Contains(r.last + 1));
}

TEST(DaysInMonth, LeapRules) {
    EXPECT_EQ(29, DaysInMonth(2000, 2));
    EXPECT_EQ(28, DaysInMonth(1900, 2));
    EXPECT_EQ(29, DaysInMonth(1984, 2));
    EXPECT_EQ(30, DaysInMonth(2001, 4));
    EXPECT_EQ(0, DaysInMonth(2001, 13));
}

}  // namespace
}  // namespace tw
