#include "tools/pixelgen/stopwatch.h"

#include <algorithm>
#include <cmath>

#include "tools/pixelgen/program_palette.h"

namespace tw::pixelgen {

namespace {

using namespace colours;

void DrawCrown(Image& image, Point c, double radius) {
    const double stemHalf = std::max(1.0, radius * 0.14);
    const double knobHalf = std::max(1.5, radius * 0.3);
    const double knobHeight = std::max(1.5, radius * 0.2);
    const double top = c.y - radius * 1.42;
    const double stemTop = top + knobHeight;
    FillPolygon(image,
                {{c.x - stemHalf, stemTop},
                 {c.x + stemHalf, stemTop},
                 {c.x + stemHalf, c.y - radius + 1},
                 {c.x - stemHalf, c.y - radius + 1}},
                kMetalDark);
    FillPolygon(image,
                {{c.x - knobHalf, top},
                 {c.x + knobHalf, top},
                 {c.x + knobHalf, stemTop + 0.6},
                 {c.x - knobHalf, stemTop + 0.6}},
                kMetalDark);
    if (radius >= 9) {
        FillPolygon(image,
                    {{c.x - knobHalf + 1, top + 1},
                     {c.x + knobHalf - 1, top + 1},
                     {c.x + knobHalf - 1, stemTop - 0.4},
                     {c.x - knobHalf + 1, stemTop - 0.4}},
                    kMetal);
    }
}

void DrawSideButton(Image& image, Point c, double radius, double degrees) {
    const double width = std::max(1.6, radius * 0.24);
    StrokeLine(image, OnCircle(c, radius * 0.9, degrees), OnCircle(c, radius * 1.24, degrees),
               width, kMetalDark);
}

// Small watches have no room for the inner ring between the bezel and the face.
bool HasInnerRing(double radius) { return radius >= 8; }

double BandWidth(double radius) { return std::max(1.2, radius * 0.16); }

double FaceRadius(double radius) {
    return radius - 1 - BandWidth(radius) - (HasInnerRing(radius) ? 1 : 0);
}

void DrawCase(Image& image, Point c, double radius, const StateColours& bezel) {
    const double band = BandWidth(radius);
    FillCircle(image, c, radius, bezel.dark);
    FillCircle(image, c, radius - 1, bezel.accent);
    if (band >= 1.5) StrokeArc(image, c, radius - 1 - band / 2, band / 2, 240, 390, bezel.light);
    if (HasInnerRing(radius)) FillCircle(image, c, radius - 1 - band, bezel.dark);
    FillCircle(image, c, FaceRadius(radius), kWhite);
}

void DrawTicks(Image& image, Point c, double face) {
    const int step = face >= 7 ? 30 : 90;
    for (int degrees = 0; degrees < 360; degrees += step) {
        const bool major = degrees % 90 == 0;
        const double inner = face * (major ? 0.68 : 0.78);
        StrokeLine(image, OnCircle(c, inner, degrees), OnCircle(c, face * 0.9, degrees),
                   major ? std::max(1.0, face * 0.12) : 0.8, major ? kDarkGrey : kMidGrey);
    }
}

// The second hand with its pin; on small faces without the tail, which would read as a dot
// under a stroke.
void DrawHand(Image& image, Point c, double face, double degrees) {
    const double width = face < 4.5 ? 2 : std::max(1.2, face * 0.13);
    const double tail = face < 6 ? 0 : face * 0.2;
    StrokeLine(image, OnCircle(c, tail, degrees + 180), OnCircle(c, face * 0.84, degrees), width,
               kRed);
    FillCircle(image, c, std::max(1.0, face * 0.16), kDarkRed);
}

}  // namespace

StateColours ColoursOf(ClockState state) {
    switch (state) {
        case ClockState::Running: return {kGreen, kLightGreen, kDarkGreen};
        case ClockState::Paused: return {kAmber, kLightAmber, kDarkAmber};
        case ClockState::Idle: break;
    }
    return {kMetal, kMetalLight, kMetalDark};
}

void DrawStopwatch(Image& image, Point centre, double radius, const StopwatchLook& look) {
    DrawCrown(image, centre, radius);
    DrawSideButton(image, centre, radius, 45);
    DrawCase(image, centre, radius, look.bezel);
    const double face = FaceRadius(radius);
    if (look.faceSymbol) {
        // An even size keeps the pause bars on whole pixels around a centre on a pixel corner.
        DrawOutlinedStateSymbol(image, centre, 2 * std::round(face * 0.7), *look.faceSymbol);
        return;
    }
    if (face >= 4) DrawTicks(image, centre, face);
    DrawHand(image, centre, face, look.handDegrees);
}

std::vector<std::vector<Point>> StateSymbolShapes(Point c, double size, ClockState state) {
    // Proportions in ninths of the size, so that a symbol of size 9 centred on a pixel's
    // middle has its straight edges on pixel borders.
    const double h = size / 2, inset = h * 7 / 9;
    switch (state) {
        case ClockState::Running:
            return {{{c.x - inset, c.y - h}, {c.x + h, c.y}, {c.x - inset, c.y + h}}};
        case ClockState::Paused: {
            const double bar = size / 3;
            auto column = [&](double left) {
                return std::vector<Point>{
                    {left, c.y - h}, {left + bar, c.y - h}, {left + bar, c.y + h}, {left, c.y + h}};
            };
            return {column(c.x - h), column(c.x + h - bar)};
        }
        case ClockState::Idle: break;
    }
    return {{{c.x - inset, c.y - inset},
             {c.x + inset, c.y - inset},
             {c.x + inset, c.y + inset},
             {c.x - inset, c.y + inset}}};
}

void DrawStateSymbol(Image& image, Point c, double size, ClockState state, Rgb colour) {
    for (const auto& shape : StateSymbolShapes(c, size, state)) FillPolygon(image, shape, colour);
}

void DrawOutlinedStateSymbol(Image& image, Point c, double size, ClockState state) {
    const StateColours colours = ColoursOf(state);
    for (const auto& shape : StateSymbolShapes(c, size, state)) {
        FillPolygon(image, shape, colours.accent);
        StrokePath(image, InsetPolygon(shape, 0.5), true, 1, colours.dark);
    }
}

void DrawStateBadge(Image& image, Point c, double radius, ClockState state) {
    const StateColours colours = ColoursOf(state);
    FillCircle(image, c, radius + 1, kWhite);
    FillCircle(image, c, radius, colours.dark);
    FillCircle(image, c, radius - 1, colours.accent);
    StrokeArc(image, c, radius - 1.6, 1.0, 250, 370, colours.light);
    DrawStateSymbol(image, c, radius * 0.95, state, kWhite);
}

}  // namespace tw::pixelgen
