#include "tools/pixelgen/button_face.h"

#include "tools/pixelgen/program_palette.h"

namespace tw::pixelgen {

namespace {

constexpr Rgb kShadowGrey = MakeRgb(128, 128, 128);
constexpr Rgb kLightGrey3d = MakeRgb(223, 223, 223);

// A drawn pixel whose colour came out reserved (all of them greys below white) is moved one
// step lighter.
Rgb AvoidReserved(Rgb colour) { return IsReservedFaceColour(colour) ? colour + 0x010101 : colour; }

}  // namespace

bool IsReservedFaceColour(Rgb colour) {
    return colour == colours::kButtonFace || colour == kShadowGrey || colour == kLightGrey3d;
}

Image LayOnButtonFace(const std::vector<Image>& cells) {
    if (cells.empty()) return Image(0, 0, colours::kButtonFace);
    const int width = cells[0].Width(), height = cells[0].Height();
    Image strip(width * int(cells.size()), height, colours::kButtonFace);
    for (size_t i = 0; i < cells.size(); ++i) {
        const Image& cell = cells[i];
        for (int y = 0; y < height && y < cell.Height(); ++y) {
            for (int x = 0; x < width && x < cell.Width(); ++x) {
                if (cell.AlphaAt(x, y) == 0) continue;
                const Rgb shown = Mix(cell.At(x, y), colours::kButtonFace, cell.AlphaAt(x, y));
                strip.Set(int(i) * width + x, y, AvoidReserved(shown));
            }
        }
    }
    return strip;
}

Image LayOnButtonFace(int cellWidth, int cellHeight, const std::vector<CellPainter>& painters) {
    std::vector<Image> cells;
    for (CellPainter paint : painters) {
        cells.push_back(Image::Transparent(cellWidth, cellHeight));
        paint(cells.back());
    }
    return LayOnButtonFace(cells);
}

}  // namespace tw::pixelgen
