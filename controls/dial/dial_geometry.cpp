// Where the dial's parts stand (see dial_geometry.h).

#include "controls/dial/dial_geometry.h"

#include <algorithm>

namespace tw {

namespace {

constexpr int kKnobMargin = 16;  // the square less the knob's diameter
constexpr int kKnobLeftGap = 8;
constexpr int kKnobTopGap = 4;

}  // namespace

DialLayout LayoutDial(int width, int height) {
    const int side = std::min(width, height);
    const int squareLeft = (width - side) / 2;
    DialLayout layout{};
    layout.radius = (side - kKnobMargin) / 2;
    layout.centreX = squareLeft + layout.radius + kKnobLeftGap;
    layout.centreY = layout.radius + kKnobTopGap;
    if (!layout.HasKnob()) return layout;

    const int size = std::min(layout.radius * 7 / 12, kMaxStepButtonSize);
    const int bottom = height - kStepButtonInset;
    layout.leftButton = {kStepButtonInset, bottom - size, kStepButtonInset + size, bottom};
    const int right = width - kStepButtonInset;
    layout.rightButton = {right - size, bottom - size, right, bottom};
    return layout;
}

int KnobInnerRadius(int radius) { return radius - std::max(radius / 6, 3); }

int PointerDiameter(int innerRadius) { return std::max(innerRadius / 10 & ~1, 2); }

}  // namespace tw
