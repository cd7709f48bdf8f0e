#include "tools/pixelgen/library_pictures.h"

#include "controls/res/digit_strips.h"
#include "tools/pixelgen/bmp_writer.h"
#include "tools/pixelgen/button_pictures.h"
#include "tools/pixelgen/fontsel_pictures.h"
#include "tools/pixelgen/numedit_pictures.h"
#include "tools/pixelgen/outline_pictures.h"
#include "tools/pixelgen/segment_font.h"
#include "tools/pixelgen/spin_pictures.h"

namespace tw::pixelgen {

namespace {

// The sixteen colours of the standard VGA palette, which every display can show exactly.
const std::vector<Rgb> kVgaPalette = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                      0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                      0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kFace = 0xC0C0C0;
constexpr Rgb kShadow = 0x808080;

SegmentLook LookOf(StripKind kind) {
    switch (kind) {
        case StripKind::Selected:
            return {MakeRgb(0x0A, 0x24, 0x6A), kWhite, MakeRgb(0x1E, 0x3C, 0x86)};
        case StripKind::Disabled:
            return {kBlack, MakeRgb(0x70, 0x70, 0x70), MakeRgb(0x1A, 0x1A, 0x1A)};
        case StripKind::Normal: break;
    }
    return {kBlack, MakeRgb(0x30, 0xFF, 0x50), MakeRgb(0x0C, 0x2C, 0x10)};
}

int StripBaseId(StripKind kind) {
    switch (kind) {
        case StripKind::Selected: return kDigitStripSelectedId;
        case StripKind::Disabled: return kDigitStripDisabledId;
        case StripKind::Normal: break;
    }
    return kDigitStripNormalId;
}

void DrawRaisedEdges(Image& img) {
    const int last = img.Width() - 1;
    const int bottom = img.Height() - 1;
    img.FillRect(0, 0, last, 0, kFace);  // outer top-left: face
    img.FillRect(0, 0, 0, bottom, kFace);
    img.FillRect(1, 1, last - 1, 1, kWhite);  // inner top-left: highlight
    img.FillRect(1, 1, 1, bottom - 1, kWhite);
    img.FillRect(0, bottom, last, bottom, kBlack);  // outer bottom-right: dark shadow
    img.FillRect(last, 0, last, bottom, kBlack);
    img.FillRect(1, bottom - 1, last - 1, bottom - 1, kShadow);  // inner bottom-right: shadow
    img.FillRect(last - 1, 1, last - 1, bottom - 1, kShadow);
}

void DrawDownArrow(Image& img) {
    const int rows = 4;
    const int cx = (img.Width() - 1) / 2;  // the arrow's middle column, one left of centre
    const int top = (img.Height() - rows) / 2;
    for (int r = 0; r < rows; ++r) img.FillRect(cx - 3 + r, top + r, cx + 3 - r, top + r, kBlack);
}

}  // namespace

Image BuildDigitStrip(int sizeIndex, StripKind kind) {
    if (sizeIndex < 0 || sizeIndex > 3) sizeIndex = 2;
    const DigitCellSize cell = kDigitCellSizes[sizeIndex];
    const SegmentLook look = LookOf(kind);
    Image strip(cell.width * kDigitStripCells, cell.height, look.background);
    for (int i = 0; i < kDigitStripCells; ++i)
        DrawSegmentChar(strip, i * cell.width, 0, cell.width, cell.height, kDigitStripChars[i],
                        look);
    return strip;
}

Image BuildDropDownButton() {
    Image button(kDropDownButtonSize, kDropDownButtonSize, kFace);
    DrawRaisedEdges(button);
    DrawDownArrow(button);
    return button;
}

std::vector<Picture> AllPictures() {
    std::vector<Picture> pictures;
    pictures.push_back(
        {kDropDownButtonId, "button_810.bmp", EncodeBmp4(BuildDropDownButton(), kVgaPalette)});
    for (StripKind kind : {StripKind::Normal, StripKind::Selected, StripKind::Disabled}) {
        for (int size = 0; size < 4; ++size) {
            int id = StripBaseId(kind) + size;
            pictures.push_back({id, "digits_" + std::to_string(id) + ".bmp",
                                EncodeBmp24(BuildDigitStrip(size, kind))});
        }
    }
    AddButtonPictures(pictures);
    AddFontSelectorPictures(pictures);
    AppendSpinPictures(pictures, kVgaPalette);
    AddNumEditPictures(pictures);
    AppendOutlinePictures(pictures);
    return pictures;
}

std::string BitmapResourceScript(const std::vector<Picture>& pictures, const std::string& folder) {
    std::string script =
        "// Bitmaps of the controls library, written by tools/pixelgen; do not edit by hand.\n";
    for (const Picture& p : pictures)
        script += std::to_string(p.resourceId) + " BITMAP \"" + folder + p.fileName + "\"\n";
    return script;
}

}  // namespace tw::pixelgen
