// Painting of the dial (see dial_paint.h).

#include "controls/dial/dial_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "controls/common/buffered_paint.h"
#include "controls/dial/dial_geometry.h"
#include "controls/dial/dial_palette.h"

namespace tw {

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr int kScaleMarks = 10;      // scale marks divide the range into this many steps
constexpr int kScaleMarkLength = 3;  // outside the knob's rim
const COLORREF kPointerRed = PALETTERGB(255, 0, 0);

struct Point {
    int x, y;
};

Point OnCircle(const DialLayout& layout, double degrees, double radius) {
    const double radians = degrees * kRadiansPerDegree;
    return {layout.centreX + int(std::lround(radius * std::cos(radians))),
            layout.centreY - int(std::lround(radius * std::sin(radians)))};
}

void UseColour(HDC dc, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    SetDCPenColor(dc, colour);
}

void DrawCircle(HDC dc, const DialLayout& layout, int radius) {
    Ellipse(dc, layout.centreX - radius, layout.centreY - radius, layout.centreX + radius + 1,
            layout.centreY + radius + 1);
}

// The knob's disc in the ten shades, in bands across the diagonal from the upper left.
void DrawShadedDisc(HDC dc, const DialLayout& layout) {
    const int r = layout.radius;
    const int top = layout.centreY - r - 1;
    const int bottom = layout.centreY + r + 1;
    const int first = layout.centreX - r + top;  // x + y along the diagonal
    const int span = 4 * r + 4;
    const int saved = SaveDC(dc);
    HRGN disc = CreateEllipticRgn(layout.centreX - r, layout.centreY - r, layout.centreX + r + 1,
                                  layout.centreY + r + 1);
    ExtSelectClipRgn(dc, disc, RGN_AND);
    DeleteObject(disc);
    for (int shade = 0; shade < kShadeCount; ++shade) {
        const int from = first + span * shade / kShadeCount;
        const int to = first + span * (shade + 1) / kShadeCount;
        const POINT band[] = {
            {from - top, top}, {to - top, top}, {to - bottom, bottom}, {from - bottom, bottom}};
        UseColour(dc, ShadeColor(shade));
        Polygon(dc, band, 4);
    }
    RestoreDC(dc, saved);
}

void DrawKnob(HDC dc, const DialLayout& layout) {
    DrawShadedDisc(dc, layout);
    UseColour(dc, GetSysColor(COLOR_BTNFACE));
    DrawCircle(dc, layout, KnobInnerRadius(layout.radius));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, GetSysColor(COLOR_3DDKSHADOW));
    DrawCircle(dc, layout, layout.radius);
    SelectObject(dc, GetStockObject(DC_BRUSH));
}

void DrawScale(const DialState& s, HDC dc, const DialLayout& layout) {
    SetDCPenColor(dc, GetSysColor(COLOR_BTNTEXT));
    const int64_t width = int64_t(s.maximum) - s.minimum;
    for (int mark = 0; mark <= kScaleMarks; ++mark) {
        const auto value = static_cast<int32_t>(s.minimum + width * mark / kScaleMarks);
        const int angle = PointerAngle(value, TurnOf(s), ValuesOf(s), s.direction);
        const Point inner = OnCircle(layout, angle, layout.radius + 1);
        const Point outer = OnCircle(layout, angle, layout.radius + kScaleMarkLength);
        MoveToEx(dc, inner.x, inner.y, nullptr);
        LineTo(dc, outer.x, outer.y);
    }
}

void DrawPointer(const DialState& s, HDC dc, const DialLayout& layout) {
    const int inner = KnobInnerRadius(layout.radius);
    const int diameter = PointerDiameter(inner);
    const int distance = std::max(inner - diameter / 2 - 3, 0);
    const int angle = PointerAngle(s.position, TurnOf(s), ValuesOf(s), s.direction);
    const Point middle = OnCircle(layout, angle, distance);
    UseColour(dc, s.enabled ? kPointerRed : GetSysColor(COLOR_GRAYTEXT));
    const int left = middle.x - diameter / 2;
    const int top = middle.y - diameter / 2;
    Ellipse(dc, left, top, left + diameter, top + diameter);
}

void DrawStepButton(const DialState& s, HDC dc, const DialBox& box, UINT arrow, LONG pressed) {
    RECT r = {box.left, box.top, box.right, box.bottom};
    const UINT state = arrow | (pressed ? DFCS_PUSHED : 0) | (s.enabled ? 0 : DFCS_INACTIVE);
    DrawFrameControl(dc, &r, DFC_SCROLL, state);
}

void DrawDial(const DialState& s, HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const DialLayout layout = LayoutDial(client.right, client.bottom);
    if (!layout.HasKnob()) return;
    HPALETTE previous = SelectShadePalette(dc, s.palette);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    DrawKnob(dc, layout);
    DrawScale(s, dc, layout);
    DrawPointer(s, dc, layout);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    if (previous) SelectPalette(dc, previous, FALSE);
    DrawStepButton(s, dc, layout.leftButton, DFCS_SCROLLLEFT, s.leftPressed);
    DrawStepButton(s, dc, layout.rightButton, DFCS_SCROLLRIGHT, s.rightPressed);
    if (s.hasFocus) DrawFocusRect(dc, &client);
}

// Both the screen and the memory bitmap realise the palette on an 8-bit display.
void DrawWithPalette(const DialState& s, HDC target) {
    HPALETTE previous = SelectShadePalette(target, s.palette);
    DrawBuffered(s.self, target, [&s](HDC dc, const RECT& client) { DrawDial(s, dc, client); });
    if (previous) SelectPalette(target, previous, FALSE);
}

}  // namespace

LRESULT DIAL_Paint(const DialState& s) {
    return PaintClient(s.self, [&s](HDC dc) { DrawWithPalette(s, dc); });
}

LRESULT DIAL_PrintClient(const DialState& s, HDC dc) {
    DrawWithPalette(s, dc);
    return 0;
}

LRESULT DIAL_Focus(DialState& s, bool gained) {
    s.hasFocus = gained;
    InvalidateRect(s.self, nullptr, FALSE);
    return 0;
}

}  // namespace tw
