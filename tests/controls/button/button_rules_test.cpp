// The button's portable rules: auto-repeat timing from the raw keyboard settings and the
// placement of caption, picture and swatch.

#include <gtest/gtest.h>

#include "controls/button/button_layout.h"
#include "controls/button/repeat_timing.h"

namespace tw {
namespace {

TEST(RepeatTiming, RawSettingsBecomeMilliseconds) {
    EXPECT_EQ(250, RepeatFirstDelayMs(0));
    EXPECT_EQ(500, RepeatFirstDelayMs(1));
    EXPECT_EQ(1000, RepeatFirstDelayMs(3));
    EXPECT_EQ(250, RepeatFirstDelayMs(-7)) << "out-of-range settings are limited";
    EXPECT_EQ(1000, RepeatFirstDelayMs(99));

    EXPECT_EQ(400, RepeatPeriodMs(0));
    EXPECT_EQ(33, RepeatPeriodMs(31));
    EXPECT_EQ(400, RepeatPeriodMs(-1));
    EXPECT_EQ(33, RepeatPeriodMs(1000));
    for (int speed = 1; speed <= 31; ++speed)
        EXPECT_LT(RepeatPeriodMs(speed), RepeatPeriodMs(speed - 1))
            << "faster with speed " << speed;
}

TEST(ButtonLayout, CaptionAloneIsCentred) {
    const ButtonLayout l = LayOutButton(100, 30, {40, 14, 0, 0, false, false});
    EXPECT_EQ(30, l.caption.left);
    EXPECT_EQ(70, l.caption.right);
    EXPECT_EQ(8, l.caption.top);
    EXPECT_TRUE(IsEmptyBox(l.picture));
    EXPECT_TRUE(IsEmptyBox(l.swatch));
}

TEST(ButtonLayout, PictureAndCaptionSideBySideCentredTogether) {
    const ButtonLayout l = LayOutButton(100, 31, {40, 14, 16, 15, false, false});
    // 16 + 4 + 40 = 60 wide, starting at (100 - 60) / 2.
    EXPECT_EQ(20, l.picture.left);
    EXPECT_EQ(36, l.picture.right);
    EXPECT_EQ(8, l.picture.top);
    EXPECT_EQ(40, l.caption.left);
    EXPECT_EQ(80, l.caption.right);

    const ButtonLayout alone = LayOutButton(100, 31, {0, 0, 16, 15, false, false});
    EXPECT_EQ(42, alone.picture.left);
    EXPECT_TRUE(IsEmptyBox(alone.caption));
}

TEST(ButtonLayout, SwatchFillsOrSitsBesideTheCaption) {
    const ButtonLayout fill = LayOutButton(60, 24, {0, 0, 0, 0, true, false});
    EXPECT_EQ(kButtonFrameInset, fill.swatch.left);
    EXPECT_EQ(60 - kButtonFrameInset, fill.swatch.right);
    EXPECT_EQ(24 - kButtonFrameInset, fill.swatch.bottom);

    const ButtonLayout beside = LayOutButton(100, 30, {40, 14, 16, 15, true, false});
    EXPECT_EQ(kSwatchBesideCaption, beside.swatch.right - beside.swatch.left);
    EXPECT_EQ(kSwatchBesideCaption, beside.swatch.bottom - beside.swatch.top);
    EXPECT_TRUE(IsEmptyBox(beside.picture)) << "the swatch replaces the picture";
    EXPECT_EQ(beside.swatch.right + kButtonContentGap, beside.caption.left);
}

TEST(ButtonLayout, DesignerPutsThePictureInATopBand) {
    const ButtonLayout l = LayOutButton(80, 60, {30, 14, 32, 16, false, true});
    EXPECT_EQ(kButtonFrameInset + 2, l.picture.top) << "centred in the 20-pixel band";
    EXPECT_EQ(24, l.picture.left);
    EXPECT_GE(l.caption.top, kButtonFrameInset + kDesignerBandHeight);
}

TEST(ButtonLayout, TooSmallAClientShowsNothing) {
    const ButtonLayout l = LayOutButton(6, 6, {40, 14, 16, 15, false, false});
    EXPECT_TRUE(IsEmptyBox(l.caption));
    EXPECT_TRUE(IsEmptyBox(l.picture));
    EXPECT_TRUE(IsEmptyBox(l.swatch));
}

}  // namespace
}  // namespace tw
