// The four-way spin's pictures (see spin_pictures.h).

#include "tools/pixelgen/spin_pictures.h"

#include <string>

#include "tools/pixelgen/bmp_writer.h"

namespace tw::pixelgen {

namespace {

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kFace = 0xC0C0C0;
constexpr Rgb kShadow = 0x808080;
constexpr int kLast = kUdlrSide - 1;
constexpr int kArrowRows = 4;  // an arrow is 7, 5, 3 and 1 pixels from its base to its tip

// The arrow of an area: its tip, and the step from the tip towards the base.
struct Arrow {
    int tipX, tipY;
    int dx, dy;
};

Arrow ArrowOf(UdlrArea area) {
    switch (area) {
        case UdlrArea::Up: return {14, 5, 0, 1};
        case UdlrArea::Down: return {14, 22, 0, -1};
        case UdlrArea::Left: return {5, 14, 1, 0};
        case UdlrArea::Right: return {22, 14, -1, 0};
        case UdlrArea::None: break;
    }
    return {0, 0, 0, 0};
}

void DrawArrow(Image& img, UdlrArea area, int shift) {
    const Arrow a = ArrowOf(area);
    for (int row = 0; row < kArrowRows; ++row) {
        const int x = a.tipX + shift + a.dx * row;
        const int y = a.tipY + shift + a.dy * row;
        if (a.dx == 0)
            img.FillRect(x - row, y, x + row, y, kBlack);
        else
            img.FillRect(x, y - row, x, y + row, kBlack);
    }
}

// The areas in the face colour (the pressed one in the shadow colour), the diagonals and the
// rest of the square between them in the shadow colour.
void DrawAreas(Image& img, UdlrArea pressed) {
    for (int y = 1; y < kLast; ++y) {
        for (int x = 1; x < kLast; ++x) {
            const UdlrArea area = HitTestUdlr(x, y);
            img.Set(x, y, area == UdlrArea::None || area == pressed ? kShadow : kFace);
        }
    }
}

void DrawRaisedFrame(Image& img) {
    img.FillRect(0, 0, kLast, 0, kWhite);
    img.FillRect(0, 0, 0, kLast, kWhite);
    img.FillRect(0, kLast, kLast, kLast, kBlack);
    img.FillRect(kLast, 0, kLast, kLast, kBlack);
}

}  // namespace

Image BuildSpinPicture(UdlrArea pressed) {
    Image img(kUdlrSide, kUdlrSide, kFace);
    DrawAreas(img, pressed);
    DrawRaisedFrame(img);
    for (UdlrArea area : {UdlrArea::Up, UdlrArea::Down, UdlrArea::Left, UdlrArea::Right})
        DrawArrow(img, area, area == pressed ? 1 : 0);
    return img;
}

void AppendSpinPictures(std::vector<Picture>& pictures, const std::vector<Rgb>& palette) {
    for (int area = 0; area < kUdlrAreaCount; ++area) {
        const int id = kSpinRestId + area;
        pictures.push_back({id, "spin_" + std::to_string(id) + ".bmp",
                            EncodeBmp4(BuildSpinPicture(static_cast<UdlrArea>(area)), palette)});
    }
}

}  // namespace tw::pixelgen
