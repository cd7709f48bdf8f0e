#pragma once
// The stopwatch that stands for a document's clock throughout the program's pictures, and the
// symbols of the clock's three states: a square when stopped, a "play" triangle when running,
// two bars when paused.

#include <optional>
#include <vector>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/paint.h"

namespace tw::pixelgen {

enum class ClockState { Idle, Running, Paused };

// The colours that mark a state: grey when idle, green when running, amber when paused.
struct StateColours {
    Rgb accent;
    Rgb light;
    Rgb dark;
};
StateColours ColoursOf(ClockState state);

struct StopwatchLook {
    StateColours bezel;
    double handDegrees;  // clockwise from twelve o'clock
    // Drawn large on the face instead of the hand and the hour marks, for small sizes.
    std::optional<ClockState> faceSymbol = std::nullopt;
};

// A stopwatch whose round case has `radius` around `centre`; the crown on top reaches about
// 0.45 * radius higher, the side button to the upper right about 0.3 * radius out.
void DrawStopwatch(Image& image, Point centre, double radius, const StopwatchLook& look);

// The polygons of the state's symbol, fitting a square of side `size` around centre.
std::vector<std::vector<Point>> StateSymbolShapes(Point centre, double size, ClockState state);

// The state's symbol in one colour.
void DrawStateSymbol(Image& image, Point centre, double size, ClockState state, Rgb colour);
// The state's symbol in the state's colour with a dark 1-pixel outline inside its edges.
void DrawOutlinedStateSymbol(Image& image, Point centre, double size, ClockState state);

// A round badge in the state's colours with the state's symbol in white, ringed in white so that
// it stands out over whatever it covers.
void DrawStateBadge(Image& image, Point centre, double radius, ClockState state);

}  // namespace tw::pixelgen
