#include "tools/pixelgen/motifs.h"
#include "tools/pixelgen/program_palette.h"
#include "tools/pixelgen/program_toolbars.h"
#include "tools/pixelgen/stopwatch.h"
#include "tools/pixelgen/button_face.h"

namespace tw::pixelgen {

namespace {

using namespace colours;

constexpr Point kWatchCentre{10.5, 13};
constexpr double kWatchRadius = 8.3;
constexpr Point kBadgeCentre{17, 16.5};
constexpr double kBadgeRadius = 4.5;

// Rows of a table: a header row and `rows` rows of `rowHeight` between x0 and x1.
void DrawTableRows(Image& img, int x0, int y0, int x1, int rows, int rowHeight) {
    const int y1 = y0 + rows * rowHeight + 3;
    img.FillRect(x0, y0, x1, y1, kWhite);
    img.FillRect(x0, y0, x1, y0 + 3, kLightGrey);
    for (int r = 0; r < rows; ++r) {
        const int y = y0 + 3 + r * rowHeight;
        img.FillRect(x0, y, x1, y, kMidGrey);
        img.FillRect(x0 + 2, y + rowHeight / 2, x0 + (x1 - x0) / 2, y + rowHeight / 2, kTextLine);
    }
    img.FillRect(x0 + (x1 - x0) * 2 / 3, y0, x0 + (x1 - x0) * 2 / 3, y1, kMidGrey);
    FrameRect(img, x0, y0, x1, y1, kDarkGrey);
}

void DrawCompactWindow(Image& img) {
    DrawMiniWindow(img, 6, 0, 21, 13, 3);
    DrawArrow(img, {15.5, 7.5}, {6, 15}, 2.4, 4, 6, kGreen, kDarkGreen);
    DrawMiniWindow(img, 0, 16, 12, 21, 4);
}

// The stopwatch with the green "play" badge.
void DrawStartStop(Image& img) {
    DrawStopwatch(img, kWatchCentre, kWatchRadius, {ColoursOf(ClockState::Idle), 0});
    DrawStateBadge(img, kBadgeCentre, kBadgeRadius, ClockState::Running);
}

void DrawPause(Image& img) {
    for (int left : {5, 12}) {
        img.FillRect(left, 3, left + 4, 18, kAmber);
        img.FillRect(left + 1, 4, left + 1, 17, kLightAmber);
        FrameRect(img, left, 3, left + 4, 18, kDarkAmber);
    }
}

void DrawEditRow(Image& img) {
    DrawTableRows(img, 0, 3, 16, 4, 4);
    img.FillRect(1, 11, 15, 14, kLightBlue);
    DrawPencil(img, {8.5, 14.5}, {21, 2}, 4);
}

void DrawPrint(Image& img) { DrawPrinter(img, 1, 1, 20, 20); }

void DrawExport(Image& img) {
    DrawPage(img, 1, 1, 13, 20, 4);
    DrawTextLines(img, 3, 10, 7, 5, 2, kTextLine);
    DrawArrow(img, {8, 13.5}, {21.5, 13.5}, 3, 5, 8, kGreen, kDarkGreen);
}

void DrawGeneralPreferences(Image& img) { DrawGear(img, {11, 11}, 10, 8); }

void DrawDocumentPreferences(Image& img) {
    DrawPage(img, 1, 0, 15, 20, 4);
    DrawTextLines(img, 3, 10, 6, 4, 2, kTextLine);
    DrawGear(img, {15, 15}, 6.8, 7);
}

void DrawMarkSpecial(Image& img) {
    DrawTick(img, {2, 9}, {6, 14}, {13, 3}, 3, kDarkGreen);
    DrawTick(img, {2, 9}, {6, 14}, {13, 3}, 1.6, kGreen);
    DrawMagnifier(img, {13.5, 12.5}, 5, 7);
}

void DrawDeleteRows(Image& img) {
    DrawTableRows(img, 0, 1, 16, 4, 4);
    StrokeLine(img, {9, 9}, {20, 20}, 4.4, kDarkRed);
    StrokeLine(img, {20, 9}, {9, 20}, 4.4, kDarkRed);
    StrokeLine(img, {9, 9}, {20, 20}, 2.6, kRed);
    StrokeLine(img, {20, 9}, {9, 20}, 2.6, kRed);
}

// A grid with one cell open for typing: a thick frame, some text and the caret.
void DrawEditCell(Image& img) {
    img.FillRect(0, 2, 21, 19, kWhite);
    for (int x : {0, 10, 21}) img.FillRect(x, 2, x, 19, kMidGrey);
    for (int y : {2, 7, 19}) img.FillRect(0, y, 21, y, kMidGrey);
    img.FillRect(0, 3, 21, 6, kLightGrey);
    FrameRect(img, 2, 8, 19, 18, kNavy);
    FrameRect(img, 3, 9, 18, 17, kNavy);
    img.FillRect(5, 13, 10, 13, kTextLine);
    img.FillRect(13, 10, 13, 16, kInk);
    img.FillRect(12, 10, 14, 10, kInk);
    img.FillRect(12, 16, 14, 16, kInk);
}

void DrawHelp(Image& img) { DrawHelpBall(img, {11, 11}, 9.5); }

// The stopwatch with a green arrow running clockwise round its lower right.
void DrawRestart(Image& img) {
    const Point centre{10, 11.5};
    DrawStopwatch(img, centre, 6.8, {ColoursOf(ClockState::Idle), 0});
    const StateColours green = ColoursOf(ClockState::Running);
    StrokeArc(img, centre, 9, 3.6, 55, 215, green.dark);
    StrokeArc(img, centre, 9, 1.6, 56, 212, green.accent);
    DrawArrowHead(img, OnCircle(centre, 9, 240), 300, 5, 7, green.accent, green.dark);
}

}  // namespace

Image BuildChildToolBar() {
    return LayOnButtonFace(kChildToolBarImageSize, kChildToolBarImageSize,
                           {DrawCompactWindow, DrawStartStop, DrawPause, DrawEditRow, DrawPrint,
                            DrawExport, DrawGeneralPreferences, DrawDocumentPreferences,
                            DrawMarkSpecial, DrawDeleteRows, DrawEditCell, DrawHelp, DrawRestart});
}

}  // namespace tw::pixelgen
