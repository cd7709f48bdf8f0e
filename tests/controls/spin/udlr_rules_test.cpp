// The four-way spin's rules: the hit test on the diagonals, the notification codes and the
// keyboard repeat timing.

#include <gtest/gtest.h>

#include <map>

#include "controls/spin/udlr_rules.h"

namespace tw {
namespace {

TEST(UdlrRules, ArrowAreasLieBetweenTheDiagonals) {
    EXPECT_EQ(UdlrArea::Up, HitTestUdlr(14, 5));
    EXPECT_EQ(UdlrArea::Up, HitTestUdlr(14, 1));
    EXPECT_EQ(UdlrArea::Down, HitTestUdlr(14, 22));
    EXPECT_EQ(UdlrArea::Down, HitTestUdlr(14, 27));
    EXPECT_EQ(UdlrArea::Left, HitTestUdlr(5, 14));
    EXPECT_EQ(UdlrArea::Left, HitTestUdlr(1, 20));
    EXPECT_EQ(UdlrArea::Right, HitTestUdlr(22, 14));
    EXPECT_EQ(UdlrArea::Right, HitTestUdlr(27, 3));
    EXPECT_EQ(UdlrArea::None, HitTestUdlr(14, 14)) << "the centre";
}

TEST(UdlrRules, DiagonalsEdgesAndOutsideBelongToNoArea) {
    for (int y = 1; y < kUdlrSide; ++y) {
        EXPECT_EQ(UdlrArea::None, HitTestUdlr(y, y)) << y;
        EXPECT_EQ(UdlrArea::None, HitTestUdlr(kUdlrSide - y, y)) << y;
    }
    for (int i = -3; i < kUdlrSide + 3; ++i) {
        EXPECT_EQ(UdlrArea::None, HitTestUdlr(i, 0)) << "top row " << i;
        EXPECT_EQ(UdlrArea::None, HitTestUdlr(0, i)) << "left column " << i;
        EXPECT_EQ(UdlrArea::None, HitTestUdlr(kUdlrSide, i)) << "right of the square " << i;
        EXPECT_EQ(UdlrArea::None, HitTestUdlr(i, kUdlrSide)) << "below the square " << i;
        EXPECT_EQ(UdlrArea::None, HitTestUdlr(-1, i));
    }
}

TEST(UdlrRules, TheFourAreasAreMirrorImagesOfEqualSize) {
    std::map<UdlrArea, int> sizes;
    for (int y = 0; y < kUdlrSide; ++y) {
        for (int x = 0; x < kUdlrSide; ++x) {
            const UdlrArea area = HitTestUdlr(x, y);
            ++sizes[area];
            if (area == UdlrArea::Left) {
                EXPECT_EQ(UdlrArea::Right, HitTestUdlr(kUdlrSide - x, y));
            }
            if (area == UdlrArea::Up) {
                EXPECT_EQ(UdlrArea::Down, HitTestUdlr(x, kUdlrSide - y));
            }
        }
    }
    for (UdlrArea area : {UdlrArea::Up, UdlrArea::Down, UdlrArea::Left, UdlrArea::Right})
        EXPECT_EQ(169, sizes[area]) << int(area);
}

TEST(UdlrRules, RepeatTimingFromTheKeyboardSettings) {
    struct Case {
        int delay, speed;
        int firstDelayMs, periodMs;
    } cases[] = {
        {0, 0, 250, 400}, {3, 31, 1000, 33}, {1, 15, 500, 63},
        {2, 31, 750, 33}, {-1, 99, 250, 33}, {9, -5, 1000, 400},  // out of range: nearest end
    };
    for (const Case& c : cases) {
        const RepeatTiming t = KeyboardRepeatTiming(c.delay, c.speed);
        EXPECT_EQ(c.firstDelayMs, t.firstDelayMs) << c.delay;
        EXPECT_EQ(c.periodMs, t.periodMs) << c.speed;
    }
}

}  // namespace
}  // namespace tw
