// The numeric edit's spin arrows (see numedit_pictures.h).

#include "tools/pixelgen/numedit_pictures.h"

#include "tools/pixelgen/bmp_writer.h"

namespace tw::pixelgen {
namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kGrey = 0x808080;
constexpr int kArrowRows = 4;  // 1, 3, 5 and 7 pixels wide

// A filled triangle in the cell starting at `left`: point up or down, centred.
void DrawArrow(Image& img, int left, bool up, Rgb colour) {
    const int middle = left + kSpinArrowCellWidth / 2;
    const int top = (kSpinArrowCellHeight - kArrowRows) / 2;
    for (int r = 0; r < kArrowRows; ++r) {
        const int halfWidth = up ? r : kArrowRows - 1 - r;
        img.FillRect(middle - halfWidth, top + r, middle + halfWidth, top + r, colour);
    }
}

}  // namespace

Image BuildSpinArrows() {
    Image arrows(kSpinArrowCellWidth * kSpinArrowCells, kSpinArrowCellHeight, kWhite);
    for (int cell = 0; cell < kSpinArrowCells; ++cell) {
        const bool up = cell % 2 == 0;
        DrawArrow(arrows, cell * kSpinArrowCellWidth, up, cell < 2 ? kBlack : kGrey);
    }
    return arrows;
}

void AddNumEditPictures(std::vector<Picture>& pictures) {
    pictures.push_back(
        {kSpinArrowsId, "spin_700.bmp", EncodeBmp4(BuildSpinArrows(), {kWhite, kBlack, kGrey})});
}

}  // namespace tw::pixelgen
