#include "tools/pixelgen/motifs.h"
#include "tools/pixelgen/program_palette.h"
#include "tools/pixelgen/program_toolbars.h"
#include "tools/pixelgen/button_face.h"

namespace tw::pixelgen {

namespace {

using namespace colours;

void DrawNew(Image& img) { DrawPage(img, 3, 0, 12, 14, 4); }

void DrawOpen(Image& img) {
    img.FillRect(1, 3, 11, 12, kFolder);
    img.FillRect(2, 2, 5, 2, kFolder);
    FrameRect(img, 0, 3, 12, 13, kFolderDark);
    img.FillRect(1, 1, 6, 1, kFolderDark);
    img.Set(1, 2, kFolderDark);
    img.Set(6, 2, kFolderDark);
    img.FillRect(1, 4, 11, 4, kFolderLight);
    FillPolygon(img, {{0.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}, kFolderLight);
    StrokePath(img, {{0.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}, true, 1, kFolderDark);
}

void DrawSave(Image& img) {
    img.FillRect(1, 0, 14, 14, kBlue);
    FrameRect(img, 1, 0, 14, 14, kNavy);
    img.FillRect(4, 0, 11, 6, kWhite);
    FrameRect(img, 3, 0, 12, 7, kNavy);
    img.FillRect(5, 2, 10, 2, kTextLine);
    img.FillRect(5, 4, 10, 4, kTextLine);
    img.FillRect(5, 10, 11, 14, kMetal);
    FrameRect(img, 4, 9, 12, 14, kNavy);
    img.FillRect(6, 11, 7, 13, kMetalDark);
}

void DrawCut(Image& img) {
    StrokeLine(img, {5.5, 9}, {11, 0.5}, 1.5, kMetalDark);
    StrokeLine(img, {10.5, 9}, {5, 0.5}, 1.5, kMetalDark);
    FillRing(img, {4.5, 11.5}, 3.2, 1.6, kNavy);
    FillRing(img, {11.5, 11.5}, 3.2, 1.6, kNavy);
    FillCircle(img, {8, 5.7}, 0.9, kInk);
}

void DrawCopy(Image& img) {
    DrawPage(img, 1, 0, 9, 10, 3);
    DrawTextLines(img, 3, 6, 4, 3, 2, kTextLine);
    DrawPage(img, 6, 4, 14, 14, 3);
    DrawTextLines(img, 8, 12, 8, 3, 2, kTextLine);
}

void DrawPaste(Image& img) {
    img.FillRect(1, 2, 10, 13, kWood);
    FrameRect(img, 0, 1, 11, 14, kWoodDark);
    img.FillRect(4, 0, 7, 3, kMetal);
    FrameRect(img, 3, 0, 8, 3, kDarkGrey);
    DrawPage(img, 6, 5, 15, 14, 3);
    DrawTextLines(img, 8, 13, 9, 3, 2, kTextLine);
}

void DrawPrint(Image& img) { DrawPrinter(img, 0, 0, 15, 14); }

void DrawCompactAll(Image& img) {
    DrawMiniWindow(img, 0, 0, 8, 6, 1);
    DrawMiniWindow(img, 2, 2, 10, 8, 1);
    DrawArrow(img, {13, 0.5}, {13, 9.5}, 2, 3.5, 5, kGreen, kDarkGreen);
    DrawMiniWindow(img, 0, 11, 6, 14, 2);
    DrawMiniWindow(img, 8, 11, 14, 14, 2);
}

void DrawHelp(Image& img) { DrawHelpBall(img, {8, 7.5}, 7); }

}  // namespace

Image BuildMainToolBar() {
    return LayOnButtonFace(kMainToolBarImageWidth, kMainToolBarImageHeight,
                           {DrawNew, DrawOpen, DrawSave, DrawCut, DrawCopy, DrawPaste, DrawPrint,
                            DrawCompactAll, DrawHelp});
}

}  // namespace tw::pixelgen
