#pragma once
// The pictures of a document clock's state: the STATUS picture on the time table form and the
// check mark of the document's entry in the main window's system menu.

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/stopwatch.h"

namespace tw::pixelgen {

constexpr int kStatusPictureSize = 40;  // shown unscaled on a button of the same size
constexpr int kCheckPictureSize = 13;   // the menu check-mark size

// A stopwatch on the button face with the state's badge.
Image BuildStatusPicture(ClockState state);
// The state's symbol alone on white.
Image BuildCheckPicture(ClockState state);

}  // namespace tw::pixelgen
