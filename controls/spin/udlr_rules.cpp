// The four-way spin's rules (see udlr_rules.h).

#include "controls/spin/udlr_rules.h"

#include <algorithm>

namespace tw {

namespace {

constexpr int kHalf = 15;  // first row of the lower half

UdlrArea UpperHalf(int x, int y) {
    if (0 < x && x < y) return UdlrArea::Left;
    if (kUdlrSide - y < x && x < kUdlrSide) return UdlrArea::Right;
    if (y < x && x < kUdlrSide - y) return UdlrArea::Up;
    return UdlrArea::None;
}

UdlrArea LowerHalf(int x, int y) {
    if (0 < x && x < kUdlrSide - y) return UdlrArea::Left;
    if (y < x && x < kUdlrSide) return UdlrArea::Right;
    if (kUdlrSide - y < x && x < y) return UdlrArea::Down;
    return UdlrArea::None;
}

}  // namespace

UdlrArea HitTestUdlr(int x, int y) {
    if (y >= 1 && y < kHalf) return UpperHalf(x, y);
    if (y >= kHalf && y < kUdlrSide) return LowerHalf(x, y);
    return UdlrArea::None;
}

int UdlrNotifyCode(UdlrArea area) {
    switch (area) {
        case UdlrArea::Up: return 100;
        case UdlrArea::Right: return 101;
        case UdlrArea::Down: return 102;
        case UdlrArea::Left: return 103;
        case UdlrArea::None: break;
    }
    return 0;
}

RepeatTiming KeyboardRepeatTiming(int delaySetting, int speedSetting) {
    constexpr int kSlowestPerTenSeconds = 25;   // 2.5 a second at speed 0
    constexpr int kFastestPerTenSeconds = 300;  // 30 a second at speed 31
    constexpr int kTopSpeed = 31;
    const int delay = std::clamp(delaySetting, 0, 3);
    const int speed = std::clamp(speedSetting, 0, kTopSpeed);
    const int perTenSeconds =
        kSlowestPerTenSeconds + speed * (kFastestPerTenSeconds - kSlowestPerTenSeconds) / kTopSpeed;
    return {(delay + 1) * 250, 10000 / perTenSeconds};
}

}  // namespace tw
