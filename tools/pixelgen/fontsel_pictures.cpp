// The font selector's marks (see fontsel_pictures.h).

#include "tools/pixelgen/fontsel_pictures.h"

#include "tools/pixelgen/bmp_writer.h"
#include "tools/pixelgen/button_pictures.h"

namespace tw::pixelgen {
namespace {

// A letter T, 9 wide and 9 high, with its top-left corner at (x, y).
void DrawT(Image& img, int x, int y, Rgb colour) {
    img.FillRect(x, y, x + 8, y + 1, colour);
    img.FillRect(x + 3, y, x + 5, y + 8, colour);
    img.Set(x, y + 2, colour);  // serifs
    img.Set(x + 8, y + 2, colour);
    img.FillRect(x + 2, y + 8, x + 6, y + 8, colour);
}

// A blocky letter A of a screen font, 9 wide and 10 high, at (x, y).
void DrawBlockA(Image& img, int x, int y, Rgb colour) {
    img.FillRect(x + 3, y, x + 5, y + 1, colour);
    img.FillRect(x + 1, y + 2, x + 2, y + 9, colour);
    img.FillRect(x + 6, y + 2, x + 7, y + 9, colour);
    img.FillRect(x + 3, y + 5, x + 5, y + 6, colour);
}

}  // namespace

Image BuildFontKindMark(bool trueType) {
    Image mark(kFontMarkWidth, kFontMarkHeight, kPictureKey);
    if (trueType) {
        DrawT(mark, 1, 0, 0x808080);
        DrawT(mark, 8, 3, 0x000000);
    } else {
        DrawBlockA(mark, 5, 1, 0x000080);
    }
    return mark;
}

void AddFontSelectorPictures(std::vector<Picture>& pictures) {
    pictures.push_back({355, "fontkind_355.bmp", EncodeBmp24(BuildFontKindMark(true))});
    pictures.push_back({356, "fontkind_356.bmp", EncodeBmp24(BuildFontKindMark(false))});
}

}  // namespace tw::pixelgen
