#include "tools/pixelgen/program_icons.h"

#include "tools/pixelgen/motifs.h"
#include "tools/pixelgen/program_palette.h"

namespace tw::pixelgen {

namespace {

bool IsLarge(int size) { return size >= kLargeIconSize; }

}  // namespace

Image BuildProgramIcon(int size) {
    Image img = Image::Transparent(size, size);
    if (IsLarge(size)) {
        DrawLedger(img, 1, 1, 22, 28, 3);
        DrawClockFace(img, {20.5, 20.5}, 11);
    } else {
        DrawLedger(img, 0, 0, 11, 14, 2);
        DrawClockFace(img, {10.5, 10.5}, 5.5);
    }
    return img;
}

Image BuildDocumentIcon(int size) {
    Image img = Image::Transparent(size, size);
    if (IsLarge(size)) {
        DrawPage(img, 4, 1, 25, 30, 7);
        DrawTextLines(img, 7, 17, 7, 6, 3, colours::kTextLine);
        DrawClockFace(img, {22.5, 23.5}, 8);
    } else {
        DrawPage(img, 2, 0, 13, 15, 4);
        DrawTextLines(img, 4, 8, 3, 4, 2, colours::kTextLine);
        DrawClockFace(img, {11.5, 11.5}, 4.5);
    }
    return img;
}

Image BuildClockStateIcon(int size, ClockState state) {
    Image img = Image::Transparent(size, size);
    StopwatchLook look{ColoursOf(state), state == ClockState::Idle ? 0.0 : 60.0};
    if (IsLarge(size)) {
        DrawStopwatch(img, {14.5, 18}, 12.5, look);
        DrawStateBadge(img, {24.5, 24.5}, 6.3, state);
        return img;
    }
    // Too small for a badge: the symbol takes the place of the hand (the idle watch keeps its
    // hand at twelve).
    if (state != ClockState::Idle) look.faceSymbol = state;
    DrawStopwatch(img, {8, 9}, 6.4, look);
    return img;
}

std::vector<Image> IconSizes(Image (*build)(int size)) {
    return {build(kLargeIconSize), build(kSmallIconSize)};
}

}  // namespace tw::pixelgen
