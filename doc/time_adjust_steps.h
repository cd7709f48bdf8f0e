#pragma once
// The pieces the five adjustment routines share: a 64-bit working copy of the values (so that
// sums such as S + E + P never overflow), the preparation and bookkeeping steps, and the
// recomputation shapes of each target.

#include <cstdint>

#include "doc/time_adjust.h"

namespace tw {

struct AdjustWork {
    bool A, B;
    int64_t S, T, E, P, R, Q;
    int64_t lo, hi;  // bounds of ValidTimeRange()

    bool InRange(int64_t t) const { return t >= lo && t <= hi; }
    // x = value when value lies inside the range; returns whether it did.
    bool SetIfInRange(int64_t& x, int64_t value) const;
    // x = value when value is not negative; returns whether it was.
    static bool SetIfNotNegative(int64_t& x, int64_t value);
    // x = T - S - y if that is not negative, else x = 0 and y = T - S.
    void Fit(int64_t& x, int64_t& y);
};

// x limited to the 32-bit range in which times and durations are stored.
int32_t SaturateToInt32(int64_t x);

// Copies the values and, with wholeMinutes, drops their seconds.
AdjustWork BeginAdjust(const TimeAdjustValues& v, bool wholeMinutes);

// Negative durations repaired, then S and T clamped into the range.
void RepairDurationsAndClamp(AdjustWork& w);

// S moves to T when it lies after T.
void KeepStartNotAfterStop(AdjustWork& w);

// For the paused running record: R and Q are made to agree with P and T.
void BookPause(AdjustWork& w);

// S and T inside the range, E and P not negative and T - S - E == P.
bool IsConsistent(const AdjustWork& w);

// S = T = R = now, E = P = Q = 0.
void ResetTo(AdjustWork& w, CalTime now);

// Stores the working values back.
void EndAdjust(const AdjustWork& w, TimeAdjustValues& v);

// Recomputes S = T - E - P. When that leaves the range, S is the range start and, unless
// `keepStop` or A, T = S + E + P is tried; then Fit(x, y).
void RecomputeStart(AdjustWork& w, int64_t& x, int64_t& y, bool keepStop);

// Recomputes T = S + E + P. When that leaves the range, T is the range end and, unless
// `keepStart`, S = T - E - P is tried; then Fit(x, y).
void RecomputeStop(AdjustWork& w, int64_t& x, int64_t& y, bool keepStart);

// Recomputes duration x = T - S - y. When negative, x = 0 and, unless `keepStop` or A,
// T = S + y is tried; then with `keepStart` y = T - S (or y = 0 and S = T), else S = T - y
// (or S = range start and y = T - S).
void RecomputeDuration(AdjustWork& w, int64_t& x, int64_t& y, bool keepStart, bool keepStop);

}  // namespace tw
