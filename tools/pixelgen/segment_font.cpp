#include "tools/pixelgen/segment_font.h"

#include <algorithm>
#include <cstdint>

namespace tw::pixelgen {

namespace {

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
// g middle; bit 7 an extra middle stroke in the upper half (for M).
enum : uint8_t { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64, MID = 128 };

constexpr uint8_t kDigitSegments[10] = {
    A | B | C | D | E | F, B | C,         A | B | G | E | D,
    A | B | G | C | D,     F | G | B | C, A | F | G | C | D,
    A | F | G | E | D | C, A | B | C,     A | B | C | D | E | F | G,
    A | B | C | D | F | G};

// Geometry of the character box inside a cell.
struct Box {
    int x0, y0, x1, y1;  // inclusive corners
    int t;               // stroke thickness
    int gTop, gBottom;   // rows of the middle segment
};

Box MakeBox(int left, int top, int width, int height) {
    Box b;
    int mx = std::max(1, width / 7);
    int my = std::max(1, height / 13);
    b.x0 = left + mx;
    b.x1 = left + width - 1 - mx;
    b.y0 = top + my;
    b.y1 = top + height - 1 - my;
    b.t = width <= 7 ? 1 : (width >= 14 ? 3 : 2);
    int mid = (b.y0 + b.y1) / 2;
    b.gTop = mid - (b.t - 1) / 2;
    b.gBottom = b.gTop + b.t - 1;
    return b;
}

void DrawSegments(Image& img, const Box& b, uint8_t mask, Rgb colour) {
    const int t = b.t;
    if (mask & A) img.FillRect(b.x0 + t, b.y0, b.x1 - t, b.y0 + t - 1, colour);
    if (mask & G) img.FillRect(b.x0 + t, b.gTop, b.x1 - t, b.gBottom, colour);
    if (mask & D) img.FillRect(b.x0 + t, b.y1 - t + 1, b.x1 - t, b.y1, colour);
    if (mask & F) img.FillRect(b.x0, b.y0 + t, b.x0 + t - 1, b.gTop - 1, colour);
    if (mask & B) img.FillRect(b.x1 - t + 1, b.y0 + t, b.x1, b.gTop - 1, colour);
    if (mask & E) img.FillRect(b.x0, b.gBottom + 1, b.x0 + t - 1, b.y1 - t, colour);
    if (mask & C) img.FillRect(b.x1 - t + 1, b.gBottom + 1, b.x1, b.y1 - t, colour);
    if (mask & MID) {
        int cx = (b.x0 + b.x1 + 1) / 2;  // one pixel wide, so it never merges with b or f
        img.FillRect(cx, b.y0 + t, cx, b.gTop - 1, colour);
    }
}

// A square dot centred horizontally with its top row at `y`.
void DrawDot(Image& img, const Box& b, int y, Rgb colour) {
    int size = std::max(2, b.t);
    int x = (b.x0 + b.x1 + 1) / 2 - size / 2;
    img.FillRect(x, y, x + size - 1, y + size - 1, colour);
}

void DrawSlash(Image& img, const Box& b, Rgb colour) {
    int rows = b.y1 - b.y0;
    int cols = b.x1 - b.x0 - b.t + 1;
    for (int r = 0; r <= rows; ++r) {
        int x = b.x0 + (rows ? (cols * (rows - r) + rows / 2) / rows : 0);
        img.FillRect(x, b.y0 + r, x + b.t - 1, b.y0 + r, colour);
    }
}

void DrawPunctuation(Image& img, const Box& b, char c, Rgb colour) {
    int dot = std::max(2, b.t);
    switch (c) {
        case '.': DrawDot(img, b, b.y1 - dot + 1, colour); break;
        case ',':
            DrawDot(img, b, b.y1 - dot, colour);
            img.Set((b.x0 + b.x1 + 1) / 2 - dot / 2, b.y1 + 1, colour);
            break;
        case ':':
            DrawDot(img, b, (b.y0 + b.gTop) / 2 - dot / 2, colour);
            DrawDot(img, b, (b.gBottom + b.y1) / 2 - dot / 2 + 1, colour);
            break;
        case '-': DrawSegments(img, b, G, colour); break;
        case '/': DrawSlash(img, b, colour); break;
        default: break;
    }
}

uint8_t LetterSegments(char c) {
    switch (c) {
        case 'A': return A | B | C | E | F | G;
        case 'P': return A | B | E | F | G;
        case 'M': return A | B | C | E | F | MID;
        default: return 0;
    }
}

}  // namespace

void DrawSegmentChar(Image& image, int left, int top, int width, int height, char c,
                     const SegmentLook& look) {
    image.FillRect(left, top, left + width - 1, top + height - 1, look.background);
    const Box box = MakeBox(left, top, width, height);
    if (c >= '0' && c <= '9') {
        DrawSegments(image, box, A | B | C | D | E | F | G, look.ghost);
        DrawSegments(image, box, kDigitSegments[c - '0'], look.lit);
        return;
    }
    if (uint8_t letter = LetterSegments(c)) {
        DrawSegments(image, box, letter, look.lit);
        return;
    }
    DrawPunctuation(image, box, c, look.lit);
}

}  // namespace tw::pixelgen
