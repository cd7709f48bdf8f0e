#pragma once
// Where the dial's parts stand in its client area: the knob in the largest square that fits,
// centred horizontally, and the two square step buttons in the bottom corners. Portable.

namespace tw {

struct DialBox {
    int left, top, right, bottom;  // right and bottom exclusive
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Empty() const { return right <= left || bottom <= top; }
};

struct DialLayout {
    int radius;  // the knob's radius; 0 or less when the window is too small for a knob
    int centreX, centreY;
    DialBox leftButton, rightButton;  // empty when there is no knob
    bool HasKnob() const { return radius > 0; }
};

constexpr int kStepButtonInset = 2;     // pixels between a step button and the client's edges
constexpr int kMaxStepButtonSize = 12;  // a step button is 7/12 of the radius, at most this

// The parts of a dial whose client area is `width` × `height`. With s the smaller side and x0
// the square's left offset, the radius is (s − 16) / 2 and the centre (x0 + radius + 8,
// radius + 4).
DialLayout LayoutDial(int width, int height);

// The radius of the knob's flat cap inside its shaded rim: the rim is a sixth of the radius,
// at least 3 pixels.
int KnobInnerRadius(int radius);

// The pointer dot's diameter: a tenth of `innerRadius` rounded down to an even number, at
// least 2.
int PointerDiameter(int innerRadius);

}  // namespace tw
