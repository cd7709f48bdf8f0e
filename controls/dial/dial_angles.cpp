// The dial's conversions between points, angles and values (see dial_angles.h).

#include "controls/dial/dial_angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tw {

namespace {

constexpr int kFullTurn = 360;
constexpr double kPi = 3.14159265358979323846;

int Mirrored(int64_t angle, int direction) {
    return NormalizeDegrees(direction == 1 ? 180 - angle : angle);
}

// a × b / c truncated. Exact in 64 bits while both factors stay below 2^31; beyond that (an
// extreme position or turn range) in floating point, kept within ±2^62.
int64_t ScaledQuotient(int64_t a, int64_t b, int64_t c) {
    constexpr int64_t kExactFactor = int64_t(1) << 31;
    if (a > -kExactFactor && a < kExactFactor && b > -kExactFactor && b < kExactFactor)
        return a * b / c;
    constexpr double kLimit = double(int64_t(1) << 62);
    return int64_t(std::clamp(std::trunc(double(a) * double(b) / double(c)), -kLimit, kLimit));
}

int32_t ToInt32(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

}  // namespace

int NormalizeDegrees(int64_t degrees) {
    const int64_t rest = degrees % kFullTurn;
    return int(rest < 0 ? rest + kFullTurn : rest);
}

int PointAngle(int dx, int dy, int direction) {
    const double radians = std::atan2(-double(dy), double(dx));  // screen y grows downwards
    return Mirrored(std::lround(radians * 180.0 / kPi), direction);
}

int32_t ValueAtAngle(int angle, DialSpan turn, DialSpan values) {
    const int64_t sweep = int64_t(turn.to) - turn.from;
    if (sweep == 0) return values.from;
    const int64_t width = sweep < 0 ? -sweep : sweep;
    const int64_t fromStart = sweep > 0 ? NormalizeDegrees(int64_t(angle) - turn.from)
                                        : NormalizeDegrees(int64_t(turn.from) - angle);
    if (fromStart > width) {  // in the gap: the nearer end
        const int64_t middleOfGap = (width + kFullTurn) / 2;
        return fromStart < middleOfGap ? values.to : values.from;
    }
    const int64_t valueWidth = int64_t(values.to) - values.from;
    return ToInt32(values.from + ScaledQuotient(fromStart, valueWidth, width));
}

int PointerAngle(int32_t position, DialSpan turn, DialSpan values, int direction) {
    const int64_t valueWidth = int64_t(values.to) - values.from;
    int64_t angle = turn.from;
    if (valueWidth != 0)
        angle += ScaledQuotient(int64_t(position) - values.from, int64_t(turn.to) - turn.from,
                                valueWidth);
    return Mirrored(angle, direction);
}

int32_t CutIntoRange(int32_t value, DialSpan values) {
    const int32_t low = std::min(values.from, values.to);
    const int32_t high = std::max(values.from, values.to);
    return std::clamp(value, low, high);
}

}  // namespace tw
