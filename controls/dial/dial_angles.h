#pragma once
// The dial's conversions between points, angles and values. Angles are in whole degrees as on
// a compass turned so that 0 points right and angles grow counterclockwise (90 straight up).
// Direction 1 mirrors them (180 − angle), so that positions grow clockwise. Portable; the
// arithmetic is 64-bit, and a turn range or value range of zero width is guarded.

#include <cstdint>

namespace tw {

struct DialSpan {
    int32_t from, to;  // the turn range's start and end angle, or the value range
};

// `degrees` brought into 0..359.
int NormalizeDegrees(int64_t degrees);

// The angle (0..359) of a point `dx` right of and `dy` below the knob's centre, rounded to the
// nearest degree and mirrored for direction 1.
int PointAngle(int dx, int dy, int direction);

// The value that the (mirrored) angle `angle` stands for on the turn range `turn`:
// minimum + (angle − start) × (maximum − minimum) / (end − start), the angle taken from the
// start towards the end. An angle in the range's gap snaps to the nearer end, the boundary
// being the middle of the gap. A turn range whose start equals its end gives the minimum.
int32_t ValueAtAngle(int angle, DialSpan turn, DialSpan values);

// The compass angle (0..359) at which the pointer stands for `position`:
// start + (position − minimum) × (end − start) / (maximum − minimum), mirrored for direction 1;
// the start when the value range has no width.
int PointerAngle(int32_t position, DialSpan turn, DialSpan values, int direction);

// `value` cut into the value range (whichever way round its ends are given).
int32_t CutIntoRange(int32_t value, DialSpan values);

}  // namespace tw
