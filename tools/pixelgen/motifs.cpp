#include "tools/pixelgen/motifs.h"

#include <algorithm>
#include <cmath>

#include "tools/pixelgen/program_palette.h"

namespace tw::pixelgen {

namespace {

using namespace colours;

Point Along(Point from, Point to, double distance) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return from;
    return {from.x + dx * distance / length, from.y + dy * distance / length};
}

// The unit normal to the left of the direction from -> to.
Point NormalOf(Point from, Point to) {
    const Point unit = Along({0, 0}, {to.x - from.x, to.y - from.y}, 1);
    return {unit.y, -unit.x};
}

Point Offset(Point p, Point direction, double amount) {
    return {p.x + direction.x * amount, p.y + direction.y * amount};
}

void FillOutlined(Image& image, const std::vector<Point>& corners, Rgb fill, Rgb outline) {
    FillPolygon(image, corners, fill);
    StrokePath(image, corners, true, 1, outline);
}

}  // namespace

void DrawPage(Image& image, int x0, int y0, int x1, int y1, int fold) {
    for (int y = y0 + 1; y < y1; ++y) {
        const int right = y < y0 + fold ? x1 - fold + (y - y0) - 1 : x1 - 1;
        image.FillRect(x0 + 1, y, right, y, kWhite);
    }
    image.FillRect(x0, y0, x0, y1, kDarkGrey);
    image.FillRect(x0, y1, x1, y1, kDarkGrey);
    image.FillRect(x1, y0 + fold, x1, y1, kDarkGrey);
    image.FillRect(x0, y0, x1 - fold, y0, kDarkGrey);
    if (fold <= 0) return;
    for (int i = 1; i < fold; ++i) {
        image.FillRect(x1 - fold + 1, y0 + i, x1 - fold + i - 1, y0 + i, kPaperShade);
        image.Set(x1 - fold + i, y0 + i, kDarkGrey);
    }
    image.FillRect(x1 - fold, y0, x1 - fold, y0 + fold, kDarkGrey);
    image.FillRect(x1 - fold, y0 + fold, x1, y0 + fold, kDarkGrey);
}

void DrawTextLines(Image& image, int x0, int x1, int y, int count, int step, Rgb colour) {
    for (int i = 0; i < count; ++i) {
        const int end = i % 3 == 2 ? x0 + (x1 - x0) * 2 / 3 : x1;
        image.FillRect(x0, y + i * step, end, y + i * step, colour);
    }
}

void DrawMiniWindow(Image& image, int x0, int y0, int x1, int y1, int titleRows) {
    image.FillRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, kWhite);
    image.FillRect(x0 + 1, y0 + 1, x1 - 1, y0 + titleRows, kBlue);
    if (titleRows >= 2) image.FillRect(x0 + 1, y0 + 1, x1 - 1, y0 + 1, kLightBlue);
    FrameRect(image, x0, y0, x1, y1, kNavy);
}

void DrawArrowHead(Image& image, Point tip, double degrees, double length, double width, Rgb fill,
                   Rgb outline) {
    const Point base = OnCircle(tip, length, degrees + 180);
    const Point normal = NormalOf(base, tip);
    FillOutlined(image, {tip, Offset(base, normal, width / 2), Offset(base, normal, -width / 2)},
                 fill, outline);
}

void DrawArrow(Image& image, Point from, Point to, double width, double headLength,
               double headWidth, Rgb fill, Rgb outline) {
    const Point neck = Along(to, from, headLength);
    const Point normal = NormalOf(from, to);
    const double w = width / 2, h = headWidth / 2;
    FillOutlined(image,
                 {Offset(from, normal, w), Offset(neck, normal, w), Offset(neck, normal, h), to,
                  Offset(neck, normal, -h), Offset(neck, normal, -w), Offset(from, normal, -w)},
                 fill, outline);
}

void DrawGear(Image& image, Point c, double radius, int teeth) {
    const double root = radius * 0.72, hole = radius * 0.3, pitch = 360.0 / teeth;
    auto inside = [=](double inset) {
        return [=](double x, double y) {
            const double dx = x - c.x, dy = y - c.y;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r < hole + inset || r > radius - inset) return false;
            if (r <= root - inset) return true;
            // Teeth narrow from a quarter of the pitch at the root to a sixth at the tip.
            double phase = std::fmod(BearingOf(c, {x, y}) + pitch / 2, pitch) - pitch / 2;
            const double t = (r - root) / (radius - root);
            const double halfWidth = pitch * (0.25 - 0.08 * t) - inset * 57.3 / r;
            return std::fabs(phase) <= halfWidth;
        };
    };
    const int box0x = int(std::floor(c.x - radius)), box1x = int(std::floor(c.x + radius));
    const int box0y = int(std::floor(c.y - radius)), box1y = int(std::floor(c.y + radius));
    FillShape(image, box0x, box0y, box1x, box1y, inside(0), kMetalDark);
    FillShape(image, box0x, box0y, box1x, box1y, inside(1), kMetal);
    StrokeArc(image, c, (root + hole) / 2, (root - hole) / 2 - 1, 270, 360, kMetalLight);
}

void DrawHelpBall(Image& image, Point c, double r) {
    FillCircle(image, c, r, kNavy);
    FillCircle(image, c, r - 1, kBlue);
    StrokeArc(image, c, r - 1.8, 1.2, 280, 350, kLightBlue);
    const double stroke = std::max(1.4, r * 0.26);
    const Point hook{c.x, c.y - r * 0.22};
    const double bend = r * 0.3;
    StrokeArc(image, hook, bend, stroke, 280, 500, kWhite);
    const Point hookEnd = OnCircle(hook, bend, 140);
    StrokeLine(image, hookEnd, {c.x, c.y + r * 0.22}, stroke, kWhite);
    FillCircle(image, {c.x, c.y + r * 0.56}, stroke * 0.62, kWhite);
}

void DrawPrinter(Image& image, int x0, int y0, int x1, int y1) {
    const int w = x1 - x0, h = y1 - y0;
    const int bodyTop = y0 + h * 2 / 5, bodyBottom = y1 - h / 5;
    DrawPage(image, x0 + w / 4, y0, x1 - w / 4, bodyTop, 0);
    image.FillRect(x0 + 1, bodyTop + 1, x1 - 1, bodyBottom - 1, kLightGrey);
    image.FillRect(x0 + 1, bodyTop + 1, x1 - 1, bodyTop + 1, kWhite);
    image.FillRect(x0 + 1, bodyBottom - 1, x1 - 1, bodyBottom - 1, kMidGrey);
    FrameRect(image, x0, bodyTop, x1, bodyBottom, kDarkGrey);
    image.FillRect(x1 - 3, bodyTop + 2, x1 - 2, bodyTop + 2, kGreen);
    DrawPage(image, x0 + w / 5, bodyBottom - 2, x1 - w / 5, y1, 0);
    image.FillRect(x0 + w / 5 + 2, y1 - 2, x1 - w / 5 - 2, y1 - 2, kTextLine);
}

void DrawPencil(Image& image, Point tip, Point end, double width) {
    const Point normal = NormalOf(tip, end);
    const double w = width / 2;
    const Point coneEnd = Along(tip, end, width * 1.3);
    const Point ferrule = Along(end, tip, width * 1.1);
    const Point ferruleEnd = Along(end, tip, width * 0.5);
    auto band = [&](Point a, Point b) {
        return std::vector<Point>{Offset(a, normal, w), Offset(b, normal, w), Offset(b, normal, -w),
                                  Offset(a, normal, -w)};
    };
    FillPolygon(image, {tip, Offset(coneEnd, normal, w), Offset(coneEnd, normal, -w)},
                MakeRgb(240, 208, 160));
    FillPolygon(image, band(coneEnd, ferrule), kFolder);
    FillPolygon(image, band(ferrule, ferruleEnd), kMetal);
    FillPolygon(image, band(ferruleEnd, end), MakeRgb(232, 120, 136));
    StrokeLine(image, Offset(coneEnd, normal, w * 0.1), Offset(ferrule, normal, w * 0.1), 0.8,
               kFolderDark);
    StrokePath(image,
               {tip, Offset(coneEnd, normal, w), Offset(end, normal, w), Offset(end, normal, -w),
                Offset(coneEnd, normal, -w)},
               true, 1, kInk);
    FillCircle(image, Along(tip, end, 0.9), 0.9, kInk);
}

void DrawMagnifier(Image& image, Point lens, double radius, double handleLength) {
    const Point handleStart = OnCircle(lens, radius, 135);
    const Point handleEnd = OnCircle(lens, radius + handleLength, 135);
    StrokeLine(image, handleStart, handleEnd, std::max(2.2, radius * 0.55), kWoodDark);
    StrokeLine(image, Along(handleStart, handleEnd, 1), handleEnd,
               std::max(1.0, radius * 0.55 - 1.2), kWood);
    FillCircle(image, lens, radius, kMetalDark);
    FillCircle(image, lens, radius - 1.2, MakeRgb(200, 228, 250));
    StrokeArc(image, lens, radius * 0.55, std::max(0.9, radius * 0.2), 280, 350, kWhite);
}

void DrawClockFace(Image& image, Point c, double r) {
    FillCircle(image, c, r, kNavy);
    if (r < 6) {
        // Small: a thin rim, and hands along the pixel grid (three o'clock) so they stay crisp.
        FillCircle(image, c, r - 1, kWhite);
        StrokeLine(image, c, {c.x, c.y - (r - 1) * 0.8}, 1, kInk);
        StrokeLine(image, c, {c.x + (r - 1) * 0.6, c.y}, 1, kInk);
        return;
    }
    FillCircle(image, c, r - 1, kBlue);
    StrokeArc(image, c, r - 1.5, 1, 250, 360, kLightBlue);
    const double dial = r - std::max(1.8, r * 0.2);
    FillCircle(image, c, dial, kWhite);
    for (int degrees = 0; degrees < 360; degrees += 30)
        StrokeLine(image, OnCircle(c, dial * 0.78, degrees), OnCircle(c, dial * 0.92, degrees),
                   degrees % 90 ? 0.8 : 1.3, degrees % 90 ? kMidGrey : kDarkGrey);
    const double hand = std::max(1.0, dial * 0.16);
    StrokeLine(image, c, OnCircle(c, dial * 0.52, 305), hand * 1.2, kInk);
    StrokeLine(image, c, OnCircle(c, dial * 0.8, 60), hand, kInk);
    FillCircle(image, c, hand * 0.9, kInk);
}

void DrawLedger(Image& image, int x0, int y0, int x1, int y1, int rowStep) {
    const Rgb rule = MakeRgb(150, 200, 150);
    image.FillRect(x0, y0, x1, y1, MakeRgb(250, 252, 240));
    const int band = y0 + rowStep;
    image.FillRect(x0, y0, x1, band, kGreen);
    for (int y = band + rowStep; y < y1; y += rowStep) image.FillRect(x0 + 1, y, x1 - 1, y, rule);
    const int margin = x0 + (x1 - x0) / 4;
    image.FillRect(margin, band + 1, margin, y1 - 1, kRed);
    if (rowStep >= 3) image.FillRect(margin + 2, band + 1, margin + 2, y1 - 1, kRed);
    FrameRect(image, x0, y0, x1, y1, kDarkGreen);
}

void DrawTick(Image& image, Point left, Point bottom, Point right, double width, Rgb colour) {
    StrokePath(image, {left, bottom, right}, false, width, colour);
}

}  // namespace tw::pixelgen
