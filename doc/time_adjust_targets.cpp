// The recomputation of one target value, with the fallbacks used when the plain formula
// would leave ValidTimeRange() or give a negative duration.

#include "doc/time_adjust_steps.h"

namespace tw {

void RecomputeStart(AdjustWork& w, int64_t& x, int64_t& y, bool keepStop) {
    if (w.SetIfInRange(w.S, w.T - w.E - w.P)) return;
    w.S = w.lo;
    if (!keepStop && !w.A) {
        if (w.SetIfInRange(w.T, w.S + w.E + w.P)) return;
        w.T = w.hi;
    }
    w.Fit(x, y);
}

void RecomputeStop(AdjustWork& w, int64_t& x, int64_t& y, bool keepStart) {
    if (w.SetIfInRange(w.T, w.S + w.E + w.P)) return;
    w.T = w.hi;
    if (!keepStart) {
        if (w.SetIfInRange(w.S, w.T - w.E - w.P)) return;
        w.S = w.lo;
    }
    w.Fit(x, y);
}

void RecomputeDuration(AdjustWork& w, int64_t& x, int64_t& y, bool keepStart, bool keepStop) {
    if (AdjustWork::SetIfNotNegative(x, w.T - w.S - y)) return;
    x = 0;
    if (!keepStop && !w.A) {
        if (w.SetIfInRange(w.T, w.S + y)) return;
        w.T = w.hi;
    }
    if (keepStart) {
        if (AdjustWork::SetIfNotNegative(y, w.T - w.S)) return;
        y = 0;
        w.S = w.T;
        return;
    }
    if (w.SetIfInRange(w.S, w.T - y)) return;
    w.S = w.lo;
    y = w.T - w.S;
}

}  // namespace tw
