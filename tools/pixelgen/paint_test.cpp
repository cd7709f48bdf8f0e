#include <gtest/gtest.h>

#include <cmath>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/paint.h"

namespace tw::pixelgen {
namespace {

// Sum of alpha over the image, in pixels (255 = one pixel).
double CoveredArea(const Image& img) {
    double sum = 0;
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x) sum += img.AlphaAt(x, y);
    return sum / 255;
}

bool OnlyFullOrEmpty(const Image& img) {
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x)
            if (img.AlphaAt(x, y) != 0 && img.AlphaAt(x, y) != 255) return false;
    return true;
}

TEST(PixelgenBlend, CoverageMixesOverOpaqueAndBuildsAlphaOverTransparent) {
    Image opaque(2, 1, 0xFFFFFF);
    opaque.Blend(0, 0, 0x000000, 128);
    EXPECT_EQ(MakeRgb(127, 127, 127), opaque.At(0, 0));
    EXPECT_EQ(255, opaque.AlphaAt(0, 0));
    opaque.Blend(1, 0, 0xFF0000, 0);
    EXPECT_EQ(0xFFFFFFu, opaque.At(1, 0)) << "no coverage, no change";

    Image clear = Image::Transparent(1, 1);
    clear.Blend(0, 0, 0x00FF00, 100);
    EXPECT_EQ(0x00FF00u, clear.At(0, 0)) << "straight alpha: the colour stays pure";
    EXPECT_EQ(100, clear.AlphaAt(0, 0));
    clear.Blend(0, 0, 0x0000FF, 255);
    EXPECT_EQ(0x0000FFu, clear.At(0, 0));
    EXPECT_EQ(255, clear.AlphaAt(0, 0));

    Image twice = Image::Transparent(1, 1);
    twice.Blend(0, 0, 0xFFFFFF, 128);
    twice.Blend(0, 0, 0xFFFFFF, 128);
    EXPECT_NEAR(191, twice.AlphaAt(0, 0), 1) << "two half layers cover three quarters";
    EXPECT_EQ(0xFFFFFFu, twice.At(0, 0));

    EXPECT_EQ(MakeRgb(0x80, 0x80, 0x80), Mix(0xFFFFFF, 0x000000, 128));
    EXPECT_EQ(0x123456u, Mix(0x123456, 0xABCDEF, 255));
    EXPECT_EQ(0xABCDEFu, Mix(0x123456, 0xABCDEF, -5)) << "amount is clamped";
}

TEST(PixelgenBlend, PasteAndDrawingOutsideTheImageAreSafe) {
    Image img(3, 3, 0xFFFFFF);
    img.Blend(-1, 0, 0, 255);
    img.Blend(3, 3, 0, 255);
    img.Set(0, -1, 0);
    FillCircle(img, {-50, -50}, 10, 0);
    FillPolygon(img, {{1e6, 1e6}, {1e6 + 1, 1e6}, {1e6, 1e6 + 1}}, 0);
    StrokeLine(img, {-5, 1.5}, {8, 1.5}, 1, 0x0000FF);
    EXPECT_EQ(0x0000FFu, img.At(0, 1));
    EXPECT_EQ(0x0000FFu, img.At(2, 1));
    EXPECT_EQ(0xFFFFFFu, img.At(0, 0));

    Image sprite = Image::Transparent(2, 2);
    sprite.Set(1, 1, 0xFF0000);
    img = Image(3, 3, 0xFFFFFF);
    img.Paste(sprite, 2, 2);  // only its top-left pixel lands inside
    EXPECT_EQ(0xFFFFFFu, img.At(2, 2)) << "transparent pixels leave the image alone";
    img.Paste(sprite, 1, 1);
    EXPECT_EQ(0xFF0000u, img.At(2, 2));
    EXPECT_EQ(0xFFFFFFu, img.At(1, 1));
}

TEST(PixelgenShapes, CircleCoversItsAreaSymmetrically) {
    Image img = Image::Transparent(20, 20);
    FillCircle(img, {10, 10}, 6, 0);
    EXPECT_NEAR(M_PI * 36, CoveredArea(img), 0.5);
    EXPECT_EQ(255, img.AlphaAt(10, 10));
    EXPECT_EQ(0, img.AlphaAt(3, 3));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(img.AlphaAt(x, y), img.AlphaAt(19 - x, y)) << x << "," << y;
            EXPECT_EQ(img.AlphaAt(x, y), img.AlphaAt(y, x)) << x << "," << y;
        }

    Image ring = Image::Transparent(20, 20);
    FillRing(ring, {10, 10}, 6, 4, 0);
    EXPECT_NEAR(M_PI * (36 - 16), CoveredArea(ring), 0.5);
    EXPECT_EQ(0, ring.AlphaAt(10, 10)) << "the middle of a ring is open";
}

TEST(PixelgenShapes, PixelAlignedShapesAreCrisp) {
    Image square = Image::Transparent(10, 10);
    FillPolygon(square, {{2, 2}, {7, 2}, {7, 6}, {2, 6}}, 0);
    EXPECT_TRUE(OnlyFullOrEmpty(square));
    EXPECT_NEAR(20, CoveredArea(square), 1e-9);
    EXPECT_EQ(255, square.AlphaAt(2, 2));
    EXPECT_EQ(0, square.AlphaAt(7, 2));

    Image line = Image::Transparent(10, 10);
    StrokeLine(line, {4.5, 1}, {4.5, 8}, 1, 0);
    for (int y = 2; y < 8; ++y) {
        EXPECT_EQ(255, line.AlphaAt(4, y));
        EXPECT_EQ(0, line.AlphaAt(3, y));
        EXPECT_EQ(0, line.AlphaAt(5, y));
    }

    Image frame(6, 5, 0xFFFFFF);
    FrameRect(frame, 1, 1, 4, 3, 0);
    EXPECT_EQ(0u, frame.At(1, 1));
    EXPECT_EQ(0u, frame.At(4, 3));
    EXPECT_EQ(0xFFFFFFu, frame.At(2, 2));
    EXPECT_EQ(0xFFFFFFu, frame.At(5, 2));
}

TEST(PixelgenShapes, ArcsAndAnglesRunClockwiseFromTwelve) {
    const Point c{10, 10};
    EXPECT_NEAR(10, OnCircle(c, 5, 90).x - 5, 1e-9);
    EXPECT_NEAR(15, OnCircle(c, 5, 90).x, 1e-9);
    EXPECT_NEAR(15, OnCircle(c, 5, 180).y, 1e-9);
    EXPECT_NEAR(0, BearingOf(c, {10, 2}), 1e-9);
    EXPECT_NEAR(90, BearingOf(c, {18, 10}), 1e-9);
    EXPECT_NEAR(270, BearingOf(c, {2, 10}), 1e-9);

    Image img = Image::Transparent(20, 20);
    StrokeArc(img, c, 6, 2, 0, 90, 0);  // the upper right quarter only
    EXPECT_EQ(255, img.AlphaAt(14, 5));
    EXPECT_EQ(0, img.AlphaAt(5, 5));
    EXPECT_EQ(0, img.AlphaAt(14, 14));
    Image wrap = Image::Transparent(20, 20);
    StrokeArc(wrap, c, 6, 2, 315, 405, 0);  // across twelve o'clock
    EXPECT_GT(wrap.AlphaAt(9, 3), 200);
    EXPECT_GT(wrap.AlphaAt(10, 3), 200);
    EXPECT_EQ(0, wrap.AlphaAt(16, 10));
}

TEST(PixelgenShapes, InsetPolygonMovesEdgesInwardsWhicheverTheWinding) {
    const std::vector<Point> clockwise{{0, 0}, {10, 0}, {10, 6}, {0, 6}};
    const std::vector<Point> counter{{0, 0}, {0, 6}, {10, 6}, {10, 0}};
    for (const auto& square : {clockwise, counter}) {
        auto inset = InsetPolygon(square, 1);
        ASSERT_EQ(4u, inset.size());
        for (const Point& p : inset) {
            EXPECT_TRUE(p.x == 1 || p.x == 9) << p.x;
            EXPECT_TRUE(p.y == 1 || p.y == 5) << p.y;
        }
    }
    auto triangle = InsetPolygon({{0, 0}, {8, 4}, {0, 8}}, 1);
    EXPECT_NEAR(1, triangle[0].x, 1e-9) << "the vertical edge moves right by one";
    EXPECT_NEAR(1, triangle[2].x, 1e-9);
    EXPECT_LT(triangle[1].x, 8);
    EXPECT_NEAR(4, triangle[1].y, 1e-9);
}

}  // namespace
}  // namespace tw::pixelgen
