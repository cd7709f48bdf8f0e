#include "tools/pixelgen/program_clock_pictures.h"

#include "tools/pixelgen/button_face.h"
#include "tools/pixelgen/program_palette.h"

namespace tw::pixelgen {

namespace {

// Where the stopwatch's hand points: at twelve until the clock has run.
double HandDegrees(ClockState state) { return state == ClockState::Idle ? 0 : 60; }

}  // namespace

Image BuildStatusPicture(ClockState state) {
    Image layer = Image::Transparent(kStatusPictureSize, kStatusPictureSize);
    DrawStopwatch(layer, {18.5, 22.5}, 14, {ColoursOf(state), HandDegrees(state)});
    DrawStateBadge(layer, {31.5, 31.5}, 7, state);
    return LayOnButtonFace({layer});
}

Image BuildCheckPicture(ClockState state) {
    Image image(kCheckPictureSize, kCheckPictureSize, colours::kWhite);
    DrawOutlinedStateSymbol(image, {6.5, 6.5}, 9, state);
    return image;
}

}  // namespace tw::pixelgen
