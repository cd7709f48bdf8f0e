// The four-way spin's pictures: each arrow area drawn exactly where the control's hit test
// puts it, the pressed one sunken with its arrow moved by a pixel.

#include <gtest/gtest.h>

#include "tools/pixelgen/spin_pictures.h"

namespace tw::pixelgen {
namespace {

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kFace = 0xC0C0C0;
constexpr Rgb kShadow = 0x808080;
constexpr UdlrArea kArrows[] = {UdlrArea::Up, UdlrArea::Down, UdlrArea::Left, UdlrArea::Right};

TEST(SpinPictures, AreasFollowTheHitTestAndThePressedOneIsSunken) {
    for (UdlrArea pressed :
         {UdlrArea::None, UdlrArea::Up, UdlrArea::Down, UdlrArea::Left, UdlrArea::Right}) {
        const Image img = BuildSpinPicture(pressed);
        ASSERT_EQ(kUdlrSide, img.Width());
        ASSERT_EQ(kUdlrSide, img.Height());
        for (int y = 1; y < kUdlrSide - 1; ++y) {
            for (int x = 1; x < kUdlrSide - 1; ++x) {
                const UdlrArea area = HitTestUdlr(x, y);
                const Rgb pixel = img.At(x, y);
                if (area == UdlrArea::None) {
                    EXPECT_EQ(kShadow, pixel) << x << "," << y << " separates the areas";
                } else if (pixel != kBlack) {
                    EXPECT_EQ(area == pressed ? kShadow : kFace, pixel) << x << "," << y;
                }
            }
        }
    }
}

TEST(SpinPictures, ArrowsSitInTheirAreasAndThePressedOneMoves) {
    const Image rest = BuildSpinPicture(UdlrArea::None);
    for (UdlrArea arrow : kArrows) {
        int pixels = 0;
        for (int y = 1; y < kUdlrSide - 1; ++y)
            for (int x = 1; x < kUdlrSide - 1; ++x)
                pixels += rest.At(x, y) == kBlack && HitTestUdlr(x, y) == arrow;
        EXPECT_EQ(7 + 5 + 3 + 1, pixels) << int(arrow);
    }
    EXPECT_EQ(kBlack, rest.At(14, 5));
    const Image up = BuildSpinPicture(UdlrArea::Up);
    EXPECT_EQ(kShadow, up.At(14, 5)) << "the tip moved away";
    EXPECT_EQ(kBlack, up.At(15, 6));
    EXPECT_EQ(kBlack, up.At(14, 22)) << "the other arrows stay";
}

}  // namespace
}  // namespace tw::pixelgen
