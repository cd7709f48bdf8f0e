#include "tools/pixelgen/motifs.h"
#include "tools/pixelgen/program_palette.h"
#include "tools/pixelgen/program_toolbars.h"
#include "tools/pixelgen/button_face.h"

namespace tw::pixelgen {

namespace {

using namespace colours;

Image Cell() { return Image::Transparent(kMainToolBarImageWidth, kMainToolBarImageHeight); }

Image NewImage() {
    Image img = Cell();
    DrawPage(img, 3, 0, 12, 14, 4);
    return img;
}

Image OpenImage() {
    Image img = Cell();
    img.FillRect(1, 3, 11, 12, kFolder);
    img.FillRect(2, 2, 5, 2, kFolder);
    FrameRect(img, 0, 3, 12, 13, kFolderDark);
    img.FillRect(1, 1, 6, 1, kFolderDark);
    img.Set(1, 2, kFolderDark);
    img.Set(6, 2, kFolderDark);
    img.FillRect(1, 4, 11, 4, kFolderLight);
    FillPolygon(img, {{0.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}, kFolderLight);
    StrokePath(img, {{0.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}, true, 1, kFolderDark);
    return img;
}

Image SaveImage() {
    Image img = Cell();
    img.FillRect(1, 0, 14, 14, kBlue);
    FrameRect(img, 1, 0, 14, 14, kNavy);
    img.FillRect(4, 0, 11, 6, kWhite);
    FrameRect(img, 3, 0, 12, 7, kNavy);
    img.FillRect(5, 2, 10, 2, kTextLine);
    img.FillRect(5, 4, 10, 4, kTextLine);
    img.FillRect(5, 10, 11, 14, kMetal);
    FrameRect(img, 4, 9, 12, 14, kNavy);
    img.FillRect(6, 11, 7, 13, kMetalDark);
    return img;
}

Image CutImage() {
    Image img = Cell();
    StrokeLine(img, {5.5, 9}, {11, 0.5}, 1.5, kMetalDark);
    StrokeLine(img, {10.5, 9}, {5, 0.5}, 1.5, kMetalDark);
    FillRing(img, {4.5, 11.5}, 3.2, 1.6, kNavy);
    FillRing(img, {11.5, 11.5}, 3.2, 1.6, kNavy);
    FillCircle(img, {8, 5.7}, 0.9, kInk);
    return img;
}

Image CopyImage() {
    Image img = Cell();
    DrawPage(img, 1, 0, 9, 10, 3);
    DrawTextLines(img, 3, 6, 4, 3, 2, kTextLine);
    DrawPage(img, 6, 4, 14, 14, 3);
    DrawTextLines(img, 8, 12, 8, 3, 2, kTextLine);
    return img;
}

Image PasteImage() {
    Image img = Cell();
    img.FillRect(1, 2, 10, 13, kWood);
    FrameRect(img, 0, 1, 11, 14, kWoodDark);
    img.FillRect(4, 0, 7, 3, kMetal);
    FrameRect(img, 3, 0, 8, 3, kDarkGrey);
    DrawPage(img, 6, 5, 15, 14, 3);
    DrawTextLines(img, 8, 13, 9, 3, 2, kTextLine);
    return img;
}

Image PrintImage() {
    Image img = Cell();
    DrawPrinter(img, 0, 0, 15, 14);
    return img;
}

Image CompactAllImage() {
    Image img = Cell();
    DrawMiniWindow(img, 0, 0, 8, 6, 1);
    DrawMiniWindow(img, 2, 2, 10, 8, 1);
    DrawArrow(img, {13, 0.5}, {13, 9.5}, 2, 3.5, 5, kGreen, kDarkGreen);
    DrawMiniWindow(img, 0, 11, 6, 14, 2);
    DrawMiniWindow(img, 8, 11, 14, 14, 2);
    return img;
}

Image HelpImage() {
    Image img = Cell();
    DrawHelpBall(img, {8, 7.5}, 7);
    return img;
}

}  // namespace

Image BuildMainToolBar() {
    return LayOnButtonFace({NewImage(), OpenImage(), SaveImage(), CutImage(), CopyImage(),
                            PasteImage(), PrintImage(), CompactAllImage(), HelpImage()});
}

}  // namespace tw::pixelgen
