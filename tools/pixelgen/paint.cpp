#include "tools/pixelgen/paint.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tw::pixelgen {

namespace {

constexpr int kSamples = 8;  // per axis
constexpr double kPi = 3.14159265358979323846;

int Floor(double v) { return int(std::floor(v)); }

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

bool WithinSweep(double bearing, double from, double to) {
    const double sweep = to - from;
    if (sweep >= 360.0) return true;
    double offset = std::fmod(bearing - from, 360.0);
    if (offset < 0) offset += 360.0;
    return offset <= sweep;
}

// The pixels that points, widened by margin on every side, touch (corners included).
struct Bounds {
    int x0, y0, x1, y1;
};

Bounds BoundsOf(const std::vector<Point>& points, double margin) {
    double left = points[0].x, right = left, top = points[0].y, bottom = top;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {Floor(left - margin), Floor(top - margin), Floor(right + margin),
            Floor(bottom + margin)};
}

}  // namespace

Point OnCircle(Point centre, double radius, double degrees) {
    const double radians = degrees * kPi / 180.0;
    return {centre.x + radius * std::sin(radians), centre.y - radius * std::cos(radians)};
}

double BearingOf(Point centre, Point p) {
    double degrees = std::atan2(p.x - centre.x, centre.y - p.y) * 180.0 / kPi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

void FrameRect(Image& image, int x0, int y0, int x1, int y1, Rgb colour) {
    image.FillRect(x0, y0, x1, y0, colour);
    image.FillRect(x0, y1, x1, y1, colour);
    image.FillRect(x0, y0, x0, y1, colour);
    image.FillRect(x1, y0, x1, y1, colour);
}

void FillShape(Image& image, int x0, int y0, int x1, int y1,
               const std::function<bool(double, double)>& inside, Rgb colour) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, image.Width() - 1);
    y1 = std::min(y1, image.Height() - 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
            const int samples = kSamples * kSamples;
            image.Blend(x, y, colour, (hits * 255 + samples / 2) / samples);
        }
    }
}

void FillEllipse(Image& image, Point c, double rx, double ry, Rgb colour) {
    if (rx <= 0 || ry <= 0) return;
    FillShape(
        image, Floor(c.x - rx), Floor(c.y - ry), Floor(c.x + rx), Floor(c.y + ry),
        [=](double x, double y) {
            const double u = (x - c.x) / rx, v = (y - c.y) / ry;
            return u * u + v * v <= 1.0;
        },
        colour);
}

void FillCircle(Image& image, Point centre, double radius, Rgb colour) {
    FillEllipse(image, centre, radius, radius, colour);
}

void FillRing(Image& image, Point c, double outer, double inner, Rgb colour) {
    if (outer <= inner) return;
    FillShape(
        image, Floor(c.x - outer), Floor(c.y - outer), Floor(c.x + outer), Floor(c.y + outer),
        [=](double x, double y) {
            const double d2 = (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y);
            return d2 <= outer * outer && d2 >= inner * inner;
        },
        colour);
}

std::vector<Point> InsetPolygon(const std::vector<Point>& corners, double distance) {
    const size_t n = corners.size();
    if (n < 3) return corners;
    double twiceArea = 0;
    for (size_t i = 0; i < n; ++i) {
        const Point a = corners[i], b = corners[(i + 1) % n];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    // With y pointing down, a positive area means clockwise corners, whose inside is to the
    // right of each edge.
    const double side = twiceArea > 0 ? 1 : -1;
    auto shifted = [&](size_t i) {  // edge i moved inwards: a point on it and its direction
        const Point a = corners[i], b = corners[(i + 1) % n];
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length = std::sqrt(dx * dx + dy * dy);
        const Point normal{-dy / length * side, dx / length * side};
        return std::pair<Point, Point>{{a.x + normal.x * distance, a.y + normal.y * distance},
                                       {dx, dy}};
    };
    std::vector<Point> inset;
    for (size_t i = 0; i < n; ++i) {
        const auto [p, d] = shifted((i + n - 1) % n);
        const auto [q, e] = shifted(i);
        const double cross = d.x * e.y - d.y * e.x;
        if (cross == 0) {
            inset.push_back(q);
            continue;
        }
        const double t = ((q.x - p.x) * e.y - (q.y - p.y) * e.x) / cross;
        inset.push_back({p.x + d.x * t, p.y + d.y * t});
    }
    return inset;
}

void FillPolygon(Image& image, const std::vector<Point>& corners, Rgb colour) {
    if (corners.size() < 3) return;
    const Bounds box = BoundsOf(corners, 0);
    FillShape(
        image, box.x0, box.y0, box.x1, box.y1,
        [&corners](double x, double y) {
            bool in = false;
            for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                const Point a = corners[i], b = corners[j];
                if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                    in = !in;
            }
            return in;
        },
        colour);
}

void StrokePath(Image& image, const std::vector<Point>& points, bool closed, double width,
                Rgb colour) {
    if (points.empty()) return;
    const double half = width / 2;
    const Bounds box = BoundsOf(points, half);
    const size_t segments = closed ? points.size() : points.size() - 1;
    FillShape(
        image, box.x0, box.y0, box.x1, box.y1,
        [&](double x, double y) {
            if (points.size() == 1) return DistanceToSegment({x, y}, points[0], points[0]) <= half;
            for (size_t i = 0; i < segments; ++i)
                if (DistanceToSegment({x, y}, points[i], points[(i + 1) % points.size()]) <= half)
                    return true;
            return false;
        },
        colour);
}

void StrokeLine(Image& image, Point from, Point to, double width, Rgb colour) {
    StrokePath(image, {from, to}, false, width, colour);
}

void StrokeArc(Image& image, Point c, double radius, double width, double fromDegrees,
               double toDegrees, Rgb colour) {
    const double outer = radius + width / 2, inner = radius - width / 2;
    FillShape(
        image, Floor(c.x - outer), Floor(c.y - outer), Floor(c.x + outer), Floor(c.y + outer),
        [=](double x, double y) {
            const double dx = x - c.x, dy = y - c.y;
            const double d2 = dx * dx + dy * dy;
            if (d2 > outer * outer || d2 < inner * inner) return false;
            return WithinSweep(BearingOf(c, {x, y}), fromDegrees, toDegrees);
        },
        colour);
}

}  // namespace tw::pixelgen
