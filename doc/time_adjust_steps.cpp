#include "doc/time_adjust_steps.h"

#include <limits>

namespace tw {

namespace {

constexpr int64_t kMinute = 60;

// Down to the whole minute (towards minus infinity, so the result never exceeds the value).
int64_t WholeMinutes(int64_t x) {
    const int64_t rest = x % kMinute;
    return x - (rest < 0 ? rest + kMinute : rest);
}

int64_t Clamp(int64_t x, int64_t lo, int64_t hi) { return x < lo ? lo : (x > hi ? hi : x); }

void DropSeconds(AdjustWork& w) {
    w.S = WholeMinutes(w.S);
    if (!w.A) {
        w.T = WholeMinutes(w.T);
        w.E = WholeMinutes(w.E);
    } else if (w.B) {
        w.E = WholeMinutes(w.E);
        w.R = WholeMinutes(w.R);
    }
    int64_t& pausedTotal = (w.A && w.B) ? w.Q : w.P;
    pausedTotal = WholeMinutes(pausedTotal);
}

}  // namespace

int32_t SaturateToInt32(int64_t x) {
    return static_cast<int32_t>(
        Clamp(x, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool AdjustWork::SetIfInRange(int64_t& x, int64_t value) const {
    if (!InRange(value)) return false;
    x = value;
    return true;
}

bool AdjustWork::SetIfNotNegative(int64_t& x, int64_t value) {
    if (value < 0) return false;
    x = value;
    return true;
}

void AdjustWork::Fit(int64_t& x, int64_t& y) {
    if (SetIfNotNegative(x, T - S - y)) return;
    x = 0;
    y = T - S;
}

AdjustWork BeginAdjust(const TimeAdjustValues& v, bool wholeMinutes) {
    const TimeRange range = ValidTimeRange();
    AdjustWork w{v.active, v.isPaused,   v.start,        v.stop,      v.elapsed,
                 v.paused, v.pauseBegan, v.pausedBefore, range.first, range.last};
    if (wholeMinutes) DropSeconds(w);
    return w;
}

void RepairDurationsAndClamp(AdjustWork& w) {
    if (w.E < 0) w.E = 0;
    if (w.P < 0) {
        const bool pauseRunning = w.A && w.B;
        w.P = !pauseRunning ? 0 : (w.R < w.T ? w.Q + (w.T - w.R) : w.Q);
    }
    w.S = Clamp(w.S, w.lo, w.hi);
    w.T = Clamp(w.T, w.lo, w.hi);
}

void KeepStartNotAfterStop(AdjustWork& w) {
    if (w.S > w.T) w.S = w.T;
}

void BookPause(AdjustWork& w) {
    if (!(w.A && w.B)) return;
    w.T = Clamp(w.T, w.lo, w.hi);
    w.R = Clamp(w.R, w.lo, w.hi);
    if (w.R > w.T) w.R = w.T;
    const int64_t currentPause = w.T - w.R;
    if (w.P >= currentPause) {
        w.Q = w.P - currentPause;
        return;
    }
    w.Q = 0;
    w.R = w.T - w.P;
    if (w.R < w.lo) {
        w.R = w.lo;
        w.P = w.T - w.R;
    }
}

bool IsConsistent(const AdjustWork& w) {
    return w.InRange(w.S) && w.InRange(w.T) && w.E >= 0 && w.P >= 0 && w.T - w.S - w.E == w.P;
}

void ResetTo(AdjustWork& w, CalTime now) {
    w.S = w.T = w.R = now;
    w.E = w.P = w.Q = 0;
}

void EndAdjust(const AdjustWork& w, TimeAdjustValues& v) {
    v.start = SaturateToInt32(w.S);
    v.stop = SaturateToInt32(w.T);
    v.elapsed = SaturateToInt32(w.E);
    v.paused = SaturateToInt32(w.P);
    v.pauseBegan = SaturateToInt32(w.R);
    v.pausedBefore = SaturateToInt32(w.Q);
}

}  // namespace tw
