// The button's picture strips (see button_pictures.h).

#include "tools/pixelgen/button_pictures.h"

#include <string>

#include "tools/pixelgen/bmp_writer.h"

namespace tw::pixelgen {
namespace {

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGrey = 0x808080;
constexpr Rgb kGreen = 0x008000;
constexpr Rgb kRed = 0xC00000;
constexpr Rgb kNavy = 0x000080;
constexpr Rgb kYellow = 0xFFD800;
constexpr Rgb kBrown = 0x806000;

// One cell, drawn with its top-left corner at (x0, 0) of the strip.
struct Cell {
    Image& img;
    int x0;
    void Set(int x, int y, Rgb c) const {
        if (x >= 0 && x < kButtonCellWidth) img.Set(x0 + x, y, c);
    }
    void Fill(int xa, int ya, int xb, int yb, Rgb c) const {
        for (int y = ya; y <= yb; ++y)
            for (int x = xa; x <= xb; ++x) Set(x, y, c);
    }
};

void DrawCheck(const Cell& c) {
    for (int i = 0; i < 4; ++i) c.Fill(2 + i, 6 + i, 2 + i, 8 + i, kGreen);   // short stroke down
    for (int i = 0; i < 8; ++i) c.Fill(6 + i, 9 - i, 6 + i, 11 - i, kGreen);  // long stroke up
}

void DrawCross(const Cell& c) {
    for (int i = 0; i < 9; ++i) {
        c.Fill(3 + i, 3 + i, 4 + i, 3 + i, kRed);
        c.Fill(11 - i, 3 + i, 12 - i, 3 + i, kRed);
    }
}

// A filled triangle pointing `dir` (0 up, 1 down, 2 left, 3 right), centred in the cell.
void DrawArrow(const Cell& c, int dir) {
    for (int r = 0; r < 5; ++r) {
        const int a = 7 - r, b = 8 + r, along = 4 + r;  // widening rows from the tip
        switch (dir) {
            case 0: c.Fill(a, along, b - 1, along, kNavy); break;
            case 1: c.Fill(a, 12 - r - 1, b - 1, 12 - r - 1, kNavy); break;
            case 2: c.Fill(along + 1, a, along + 1, b - 1, kNavy); break;
            default: c.Fill(12 - r - 1, a, 12 - r - 1, b - 1, kNavy); break;
        }
    }
}

void DrawPlus(const Cell& c) {
    c.Fill(3, 6, 12, 8, kBlack);
    c.Fill(6, 2, 9, 12, kBlack);
    c.Fill(6, 6, 9, 8, kBlack);
}

void DrawMinus(const Cell& c) { c.Fill(3, 6, 12, 8, kBlack); }

void DrawQuestion(const Cell& c) {
    static const char* const kArt[] = {
        "................", "......nnnn......", ".....nn..nn.....", ".....nn..nn.....",
        ".........nn.....", "........nn......", ".......nn.......", ".......nn.......",
        "................", ".......nn.......", ".......nn.......", "................",
    };
    for (int y = 0; y < int(sizeof kArt / sizeof kArt[0]); ++y)
        for (int x = 0; x < kButtonCellWidth; ++x)
            if (kArt[y][x] == 'n') c.Set(x, y + 1, kNavy);
}

void DrawFolder(const Cell& c) {
    c.Fill(1, 3, 6, 4, kBrown);  // the tab
    c.Fill(1, 5, 14, 12, kBrown);
    c.Fill(2, 6, 13, 11, kYellow);
}

void DrawClock(const Cell& c) {
    for (int y = 0; y < kButtonCellHeight; ++y) {
        for (int x = 0; x < kButtonCellWidth; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 14;  // doubled offsets from (7.5, 7)
            const int d2 = dx * dx + dy * dy;
            if (d2 <= 13 * 13) c.Set(x, y, d2 >= 11 * 11 ? kBlack : kWhite);
        }
    }
    c.Fill(7, 3, 7, 7, kBlack);  // hands at three o'clock
    c.Fill(8, 7, 10, 7, kBlack);
}

void DrawCell(const Cell& c, int index) {
    switch (index) {
        case 0: return DrawCheck(c);
        case 1: return DrawCross(c);
        case 2:
        case 3:
        case 4:
        case 5: return DrawArrow(c, index - 2);
        case 6: return DrawPlus(c);
        case 7: return DrawMinus(c);
        case 8: return DrawQuestion(c);
        case 9: return DrawFolder(c);
        default: return DrawClock(c);
    }
}

Image ColourStrip() {
    Image strip(kButtonCellWidth * kButtonCellCount, kButtonCellHeight, kPictureKey);
    for (int i = 0; i < kButtonCellCount; ++i) DrawCell({strip, i * kButtonCellWidth}, i);
    return strip;
}

Image Blackened(const Image& colour) {
    Image strip(colour.Width(), colour.Height(), kPictureKey);
    for (int y = 0; y < colour.Height(); ++y)
        for (int x = 0; x < colour.Width(); ++x)
            if (colour.At(x, y) != kPictureKey)
                strip.Set(x, y, colour.At(x, y) == kWhite ? kWhite : kBlack);
    return strip;
}

// Every shape pixel engraved: white one pixel down and right (within its cell), grey on top.
Image Greyed(const Image& colour) {
    Image strip(colour.Width(), colour.Height(), kPictureKey);
    for (int y = 0; y < colour.Height(); ++y)
        for (int x = 0; x < colour.Width(); ++x)
            if (colour.At(x, y) != kPictureKey && (x + 1) % kButtonCellWidth != 0)
                strip.Set(x + 1, y + 1, kWhite);
    for (int y = 0; y < colour.Height(); ++y)
        for (int x = 0; x < colour.Width(); ++x)
            if (colour.At(x, y) != kPictureKey) strip.Set(x, y, kGrey);
    return strip;
}

}  // namespace

Image BuildButtonStrip(ButtonStripKind kind) {
    const Image colour = ColourStrip();
    switch (kind) {
        case ButtonStripKind::Black: return Blackened(colour);
        case ButtonStripKind::Greyed: return Greyed(colour);
        case ButtonStripKind::Colour: break;
    }
    return colour;
}

void AddButtonPictures(std::vector<Picture>& pictures) {
    const struct {
        int id;
        ButtonStripKind kind;
    } strips[] = {{222, ButtonStripKind::Colour},
                  {223, ButtonStripKind::Black},
                  {228, ButtonStripKind::Greyed}};
    for (const auto& s : strips)
        pictures.push_back({s.id, "strip_" + std::to_string(s.id) + ".bmp",
                            EncodeBmp24(BuildButtonStrip(s.kind))});
}

}  // namespace tw::pixelgen
