// The dial's portable rules: where knob and step buttons stand, and the conversions between
// points, angles and values with direction, the snap to the nearer end and the guarded ranges.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>

#include "controls/dial/dial_angles.h"
#include "controls/dial/dial_geometry.h"

namespace tw {
namespace {

constexpr DialSpan kTurn{-45, 225};  // the default turn range
constexpr DialSpan kValues{0, 100};

void ExpectBox(const DialBox& box, int left, int top, int right, int bottom) {
    EXPECT_EQ(left, box.left);
    EXPECT_EQ(top, box.top);
    EXPECT_EQ(right, box.right);
    EXPECT_EQ(bottom, box.bottom);
}

TEST(DialGeometry, KnobInTheCentredSquareAndButtonsInTheBottomCorners) {
    DialLayout square = LayoutDial(100, 100);
    EXPECT_EQ(42, square.radius);
    EXPECT_EQ(50, square.centreX);
    EXPECT_EQ(46, square.centreY);
    ExpectBox(square.leftButton, 2, 86, 14, 98);
    ExpectBox(square.rightButton, 86, 86, 98, 98);

    DialLayout wide = LayoutDial(140, 100);
    EXPECT_EQ(42, wide.radius);
    EXPECT_EQ(70, wide.centreX) << "the square is centred horizontally";
    ExpectBox(wide.rightButton, 126, 86, 138, 98);

    DialLayout tall = LayoutDial(100, 140);
    EXPECT_EQ(46, tall.centreY) << "but not vertically";
    ExpectBox(tall.leftButton, 2, 126, 14, 138);

    DialLayout small = LayoutDial(56, 60);
    EXPECT_EQ(20, small.radius);
    EXPECT_EQ(11, small.leftButton.right - small.leftButton.left) << "7/12 of the radius";
}

TEST(DialGeometry, TooSmallForAKnobHasNoParts) {
    for (int side : {0, 5, 16, 17}) {
        DialLayout layout = LayoutDial(side, side);
        EXPECT_FALSE(layout.HasKnob()) << side;
        EXPECT_TRUE(layout.leftButton.Empty());
        EXPECT_TRUE(layout.rightButton.Empty());
    }
    EXPECT_TRUE(LayoutDial(18, 18).HasKnob());
}

TEST(DialGeometry, CapInsideASixthOfTheRadiusAndPointerDiameter) {
    EXPECT_EQ(35, KnobInnerRadius(42));
    EXPECT_EQ(7, KnobInnerRadius(10)) << "a rim of at least 3 pixels";
    EXPECT_EQ(2, PointerDiameter(0));
    EXPECT_EQ(2, PointerDiameter(39));
    EXPECT_EQ(4, PointerDiameter(45));
    EXPECT_EQ(8, PointerDiameter(97));
    EXPECT_EQ(10, PointerDiameter(100));
}

TEST(DialAngles, PointAnglesCounterclockwiseFromTheRightMirroredForDirectionOne) {
    EXPECT_EQ(315, NormalizeDegrees(-45));
    EXPECT_EQ(0, NormalizeDegrees(720));
    EXPECT_EQ(5, NormalizeDegrees(-715));
    EXPECT_EQ(0, PointAngle(10, 0, 0));
    EXPECT_EQ(90, PointAngle(0, -10, 0)) << "straight up";
    EXPECT_EQ(180, PointAngle(-10, 0, 0));
    EXPECT_EQ(270, PointAngle(0, 10, 0));
    EXPECT_EQ(225, PointAngle(-20, 20, 0));
    EXPECT_EQ(180, PointAngle(10, 0, 1));
    EXPECT_EQ(90, PointAngle(0, -10, 1));
    EXPECT_EQ(315, PointAngle(-20, 20, 1)) << "180 - 225";
    EXPECT_EQ(27, PointAngle(100, -51, 0)) << "rounded to the nearest degree";
}

TEST(DialAngles, ValuesAlongTheTurnRange) {
    EXPECT_EQ(0, ValueAtAngle(315, kTurn, kValues)) << "the start";
    EXPECT_EQ(100, ValueAtAngle(225, kTurn, kValues)) << "the end";
    EXPECT_EQ(50, ValueAtAngle(90, kTurn, kValues));
    EXPECT_EQ(16, ValueAtAngle(0, kTurn, kValues));  // 45 of 270 degrees, truncated
    EXPECT_EQ(1500, ValueAtAngle(90, kTurn, {1000, 2000}));
    EXPECT_EQ(50, ValueAtAngle(90, kTurn, {100, 0})) << "a falling range";
    EXPECT_EQ(100, ValueAtAngle(315, {225, -45}, kValues)) << "a turn range run backwards";
    EXPECT_EQ(0, ValueAtAngle(225, {225, -45}, kValues));
    EXPECT_EQ(12, ValueAtAngle(90, {0, 720}, kValues)) << "more than a full turn";
    EXPECT_EQ(INT_MAX, ValueAtAngle(225, kTurn, {INT_MIN, INT_MAX})) << "64-bit products";
    EXPECT_EQ(INT_MIN, ValueAtAngle(315, kTurn, {INT_MIN, INT_MAX}));
}

TEST(DialAngles, GapSnapsToTheNearerEndAndAnEmptyTurnGivesTheMinimum) {
    // The gap runs from 225 to 315; its middle, 270, belongs to the start.
    EXPECT_EQ(100, ValueAtAngle(226, kTurn, kValues));
    EXPECT_EQ(100, ValueAtAngle(269, kTurn, kValues));
    EXPECT_EQ(0, ValueAtAngle(270, kTurn, kValues));
    EXPECT_EQ(0, ValueAtAngle(314, kTurn, kValues));
    // A quarter turn: the gap's middle lies at 225.
    EXPECT_EQ(100, ValueAtAngle(180, {0, 90}, kValues));
    EXPECT_EQ(100, ValueAtAngle(224, {0, 90}, kValues));
    EXPECT_EQ(0, ValueAtAngle(225, {0, 90}, kValues));
    for (int angle : {0, 90, 200, 359}) EXPECT_EQ(7, ValueAtAngle(angle, {90, 90}, {7, 20}));
}

TEST(DialAngles, PointerAngleWithDirectionAndGuardedRange) {
    EXPECT_EQ(225, PointerAngle(0, kTurn, kValues, 1)) << "180 - (-45): lower left";
    EXPECT_EQ(315, PointerAngle(100, kTurn, kValues, 1)) << "lower right";
    EXPECT_EQ(90, PointerAngle(50, kTurn, kValues, 1));
    EXPECT_EQ(315, PointerAngle(0, kTurn, kValues, 0));
    EXPECT_EQ(225, PointerAngle(100, kTurn, kValues, 0));
    EXPECT_EQ(225, PointerAngle(40, kTurn, {40, 40}, 1)) << "an empty range points at the start";
    const int far = PointerAngle(INT_MAX, {INT_MIN, INT_MAX}, {INT_MIN, INT_MIN + 1}, 0);
    EXPECT_GE(far, 0);
    EXPECT_LT(far, 360);
}

TEST(DialAngles, APointerClickedOnGivesItsPositionBack) {
    for (int direction : {0, 1}) {
        for (int position = 0; position <= 100; position += 5) {
            const int angle = PointerAngle(position, kTurn, kValues, direction);
            const double radians = angle * 3.14159265358979323846 / 180;
            const int dx = int(std::lround(40 * std::cos(radians)));
            const int dy = -int(std::lround(40 * std::sin(radians)));
            const int value = ValueAtAngle(PointAngle(dx, dy, direction), kTurn, kValues);
            EXPECT_LE(std::abs(value - position), 1) << position << " direction " << direction;
        }
    }
}

}  // namespace
}  // namespace tw
