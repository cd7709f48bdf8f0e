#pragma once
// Drawing helpers shared by every picture: crisp pixel-aligned outlines and anti-aliased shapes.
//
// Shapes use pixel coordinates in which pixel (x, y) covers the square from (x, y) to
// (x + 1, y + 1): a circle centred on (8, 8) is symmetric about the corner between four pixels,
// one centred on (8.5, 8.5) about the middle of pixel (8, 8). Each pixel is sampled on an 8 x 8
// grid and the shape's colour is blended in by the share of samples inside it.

#include <functional>
#include <vector>

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

struct Point {
    double x;
    double y;
};

// The point at `degrees` clockwise from twelve o'clock on a circle around centre.
Point OnCircle(Point centre, double radius, double degrees);
// The direction of p seen from centre, in degrees clockwise from twelve o'clock, in [0, 360).
double BearingOf(Point centre, Point p);

// A 1-pixel outline of the rectangle with corners (x0, y0) and (x1, y1), both included.
void FrameRect(Image& image, int x0, int y0, int x1, int y1, Rgb colour);

// Fills the pixels of the box [x0, x1] x [y0, y1] by their coverage of the region where
// inside(x, y) holds.
void FillShape(Image& image, int x0, int y0, int x1, int y1,
               const std::function<bool(double, double)>& inside, Rgb colour);

void FillCircle(Image& image, Point centre, double radius, Rgb colour);
void FillEllipse(Image& image, Point centre, double radiusX, double radiusY, Rgb colour);
// The band between two radii.
void FillRing(Image& image, Point centre, double outer, double inner, Rgb colour);
// A convex polygon moved inwards: every edge shifted by `distance` towards the inside.
std::vector<Point> InsetPolygon(const std::vector<Point>& corners, double distance);

// A closed polygon (even-odd rule), corners in order.
void FillPolygon(Image& image, const std::vector<Point>& corners, Rgb colour);
// Lines of the given width through the points in order, with round ends and joints; `closed`
// adds the line from the last point back to the first.
void StrokePath(Image& image, const std::vector<Point>& points, bool closed, double width,
                Rgb colour);
// A line of the given width with round ends.
void StrokeLine(Image& image, Point from, Point to, double width, Rgb colour);
// A band of the given width along the circle, from `fromDegrees` clockwise to `toDegrees`
// (clockwise from twelve o'clock), with square ends.
void StrokeArc(Image& image, Point centre, double radius, double width, double fromDegrees,
               double toDegrees, Rgb colour);

}  // namespace tw::pixelgen
