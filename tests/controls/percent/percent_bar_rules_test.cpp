// The percent bar's arithmetic: cutting, filled width and percentage (64-bit products), the
// bar area and the scale positions.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "controls/percent/percent_bar_rules.h"

namespace tw {
namespace {

TEST(PercentBarRules, ProgressIsCutToTheLimitOnly) {
    EXPECT_EQ(100, CutProgress(150, 100));
    EXPECT_EQ(50, CutProgress(80, 50));
    EXPECT_EQ(30, CutProgress(30, 100));
    EXPECT_EQ(-5, CutProgress(-5, 100)) << "a negative progress is kept as given";
}

TEST(PercentBarRules, FilledWidthAndPercentage) {
    struct Case {
        int width;
        int32_t progress, limit;
        int filled;
        int32_t percent;
    } cases[] = {
        {200, 50, 100, 100, 50},
        {200, 1, 3, 66, 33},  // both truncated
        {200, 2, 3, 133, 66},
        {200, 0, 100, 0, 0},
        {200, 100, 100, 200, 100},
        {200, 150, 100, 200, 150},  // an uncut progress never overfills
        {200, -10, 100, 0, -10},    // nor underfills
        {200, 50, 0, 0, 0},         // a zero limit: empty, 0 %
        {0, 50, 100, 0, 50},
        // Products beyond 32 bits.
        {1000, 1000000000, 2000000000, 500, 50},
        {30000, 2147483647, 2147483647, 30000, 100},
        {200, 1999999999, 2000000000, 199, 99},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.filled, FilledWidth(c.width, c.progress, c.limit))
            << c.progress << "/" << c.limit;
        EXPECT_EQ(c.percent, PercentOf(c.progress, c.limit)) << c.progress << "/" << c.limit;
    }
    EXPECT_EQ(INT_MIN, PercentOf(INT_MIN, 1)) << "saturates instead of wrapping";
    EXPECT_EQ(INT_MAX, PercentOf(INT_MIN, -1));
}

TEST(PercentBarRules, BarAreaMakesRoomForLabelsAndKeepsTenPixels) {
    BarBox plain = BarArea(200, 30, false, 13);
    EXPECT_EQ(0, plain.left);
    EXPECT_EQ(200, plain.right);
    EXPECT_EQ(30, plain.bottom);
    BarBox labelled = BarArea(200, 40, true, 13);
    EXPECT_EQ(40 - 13 - kLabelSpacing, labelled.bottom);
    EXPECT_EQ(10, BarArea(200, 20, true, 13).Height()) << "never lower than 10";
    EXPECT_EQ(10, BarArea(4, 4, false, 0).Width());
    EXPECT_EQ(10, BarArea(4, 4, false, 0).Height());
}

TEST(PercentBarRules, ScaleMarksAndLabelsStayInside) {
    const BarBox bar{0, 0, 200, 20};
    EXPECT_EQ(0, ScaleX(bar, 0));
    EXPECT_EQ(20, ScaleX(bar, 10));
    EXPECT_EQ(110, ScaleX({10, 0, 210, 20}, 50));
    EXPECT_EQ(200, ScaleX(bar, 100));
    EXPECT_EQ(95, LabelLeft(100, 10, 200)) << "centred where there is room";
    EXPECT_EQ(0, LabelLeft(0, 8, 200)) << "the 0 label is moved right";
    EXPECT_EQ(182, LabelLeft(200, 18, 200)) << "the 100 label is moved left";
}

TEST(PercentBarRules, NarrowScalesLeaveOutLabelsRatherThanOverlapThem) {
    const std::array<int, kScaleLabelCount> widths = {8, 14, 14, 14, 14, 14, 14, 14, 14, 14, 21};
    const auto wide = PlaceScaleLabels({0, 0, 300, 20}, widths, 300);
    for (const ScaleLabel& label : wide) EXPECT_TRUE(label.shown);
    EXPECT_EQ(0, wide[0].left);
    EXPECT_EQ(23, wide[1].left);
    EXPECT_EQ(279, wide[10].left);

    const auto narrow = PlaceScaleLabels({0, 0, 100, 20}, widths, 100);
    std::vector<int> shown;
    for (int i = 0; i < kScaleLabelCount; ++i)
        if (narrow[i].shown) shown.push_back(i * kScaleStep);
    EXPECT_EQ(std::vector<int>({0, 20, 40, 60, 100}), shown);
    EXPECT_EQ(79, narrow[10].left);
}

}  // namespace
}  // namespace tw
