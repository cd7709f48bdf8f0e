#pragma once
// The program's icons, each drawn at 32 x 32 and 16 x 16 on a transparent background.

#include <vector>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/stopwatch.h"

namespace tw::pixelgen {

constexpr int kLargeIconSize = 32;
constexpr int kSmallIconSize = 16;

// The program: a clock over a ledger sheet.
Image BuildProgramIcon(int size);
// A time table document: a page with a small clock.
Image BuildDocumentIcon(int size);
// A minimized window's clock state: the stopwatch in the state's colours with its badge.
Image BuildClockStateIcon(int size, ClockState state);

// The images of one icon file: the large one, then the small one.
std::vector<Image> IconSizes(Image (*build)(int size));

}  // namespace tw::pixelgen
