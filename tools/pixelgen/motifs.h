#pragma once
// Objects that recur in the program's pictures: pages, windows, arrows, gears, a printer, a
// pencil, a magnifier, the help sign. Integer boxes are pixel-exact (corners included); Points
// follow the coordinates of paint.h.

#include <vector>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/paint.h"

namespace tw::pixelgen {

// A sheet of paper with a 1-pixel outline; the top-right corner is folded over by `fold`
// pixels (0 for none).
void DrawPage(Image& image, int x0, int y0, int x1, int y1, int fold);

// `count` lines of text, `step` rows apart from row y, between columns x0 and x1; every third
// line ends early like the last line of a paragraph.
void DrawTextLines(Image& image, int x0, int x1, int y, int count, int step, Rgb colour);

// A window: outline, a blue title bar `titleRows` high, white client area.
void DrawMiniWindow(Image& image, int x0, int y0, int x1, int y1, int titleRows);

// An arrow from `from` to `to` with a shaft `width` wide and a head `headLength` long and
// `headWidth` wide, filled and outlined with a 1-pixel line.
void DrawArrow(Image& image, Point from, Point to, double width, double headLength,
               double headWidth, Rgb fill, Rgb outline);

// A triangular arrow head whose tip is at `tip`, pointing `degrees` clockwise from twelve.
void DrawArrowHead(Image& image, Point tip, double degrees, double length, double width, Rgb fill,
                   Rgb outline);

// A gear of `teeth` teeth reaching `radius`, with a hole in the middle.
void DrawGear(Image& image, Point centre, double radius, int teeth);

// The help sign: a blue ball with a white question mark.
void DrawHelpBall(Image& image, Point centre, double radius);

// A printer filling the box: a sheet going in at the top, the body, a printed sheet coming out.
void DrawPrinter(Image& image, int x0, int y0, int x1, int y1);

// A yellow pencil from its tip to the end of its eraser.
void DrawPencil(Image& image, Point tip, Point end, double width);

// A magnifying glass: the lens around `lens`, the handle going down to the right.
void DrawMagnifier(Image& image, Point lens, double radius, double handleLength);

// A round wall clock: blue rim, white dial with hour marks, hands at ten past ten.
void DrawClockFace(Image& image, Point centre, double radius);

// A sheet of ledger paper: green ruled rows under a green heading band, a red double margin.
void DrawLedger(Image& image, int x0, int y0, int x1, int y1, int rowStep);

// A check mark through three points: its left end, its lowest point, its right end.
void DrawTick(Image& image, Point left, Point bottom, Point right, double width, Rgb colour);

}  // namespace tw::pixelgen
