#include "doc/display_formats_rounding.h"

#include <cstdint>
#include <limits>

namespace tw {

namespace {

const int64_t kSecondsPerHour = 3600;

// Division rounding towards minus infinity, so negative durations have minutes 0..59 too.
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

Duration Saturate(int64_t v) {
    if (v > std::numeric_limits<Duration>::max()) return std::numeric_limits<Duration>::max();
    if (v < std::numeric_limits<Duration>::min()) return std::numeric_limits<Duration>::min();
    return static_cast<Duration>(v);
}

int ClampedHundredths(int n) { return n < 5 ? 5 : (n > 100 ? 100 : n); }

}  // namespace

int IncrementMode(const TimeDisplaySettings& settings) {
    return settings.increment >= 0 && settings.increment <= 4 ? settings.increment : 1;
}

int IncrementMinutes(const TimeDisplaySettings& settings) {
    switch (IncrementMode(settings)) {
        case 2: return 6;
        case 3: return 15;
        case 4: {
            // Each step rounded to double (no wider x87 intermediates), as the formula reads.
            volatile double hours = ClampedHundredths(settings.hundredths) * 0.01;
            volatile double minutes = hours * 60.0;
            return static_cast<int>(minutes);
        }
        default: return 1;
    }
}

int MinuteWithinHour(Duration s) {
    const int64_t v = s;
    return static_cast<int>(FloorDiv(v - FloorDiv(v, kSecondsPerHour) * kSecondsPerHour, 60));
}

Duration RoundDuration(Duration s, bool exact, const TimeDisplaySettings& settings) {
    if (IncrementMode(settings) == 0) return s;
    const int64_t d = exact ? 1 : IncrementMinutes(settings);
    const int64_t v = exact ? int64_t{s} : int64_t{s} + 59;
    const int64_t hours = FloorDiv(v, kSecondsPerHour);
    const int64_t minute = (v - hours * kSecondsPerHour) / 60;
    const int64_t steps = (minute + d - 1) / d;
    return Saturate(hours * kSecondsPerHour + steps * d * 60);
}

float ComputeCharge(Duration elapsed, float rate, const TimeDisplaySettings& settings) {
    const float kPerSecond = 0.00027777778f;  // 1/3600 in single precision
    const float kPerMinute = 0.016666668f;    // 1/60 in single precision
    const Duration r = RoundDuration(elapsed, false, settings);
    long double charge;
    if (IncrementMode(settings) == 0)
        charge = static_cast<long double>(r) * kPerSecond * rate;
    else
        charge = static_cast<long double>(r / 60) * kPerMinute * rate;
    return static_cast<float>(charge);
}

}  // namespace tw
