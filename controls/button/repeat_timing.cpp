// Auto-repeat timing (see repeat_timing.h).

#include "controls/button/repeat_timing.h"

namespace tw {
namespace {

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

int RepeatFirstDelayMs(int keyboardDelay) { return (Clamp(keyboardDelay, 0, 3) + 1) * 250; }

int RepeatPeriodMs(int keyboardSpeed) {
    // The repeat rate grows linearly from 2.5 (speed 0) to 30 (speed 31) per second; in
    // 62nds of a repeat per second that is 155 + 55 x speed.
    const int rateIn62nds = 155 + 55 * Clamp(keyboardSpeed, 0, 31);
    return (62000 + rateIn62nds / 2) / rateIn62nds;
}

}  // namespace tw
