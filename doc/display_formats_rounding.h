#pragma once
// Time display increments, the rounding of durations to them and the charge computed from a
// rounded duration.

#include "doc/time_range.h"

namespace tw {

// A document's time display settings.
struct TimeDisplaySettings {
    int increment = 1;             // 0 "1 second", 1 "1 minute", 2 "6 minutes", 3 "15 minutes",
                                   // 4 "100th of an hour"; any other value counts as 1
    bool decimalNotation = false;  // durations as decimal hours
    int hundredths = 5;            // the count N of mode 4, 5..100 (clamped into that range)
};

// The increment mode in use: 0..4, any other value as 1.
int IncrementMode(const TimeDisplaySettings& settings);

// The increment in minutes of a mode other than 0: 1, 6, 15 or trunc(N * 0.01 * 60) for mode 4
// (N = 5 gives 3, N = 12 gives 7, N = 100 gives 60). Mode 0 answers 1.
int IncrementMinutes(const TimeDisplaySettings& settings);

// Mode 0: `s` unchanged. Otherwise, with `exact`, `s` cut down to whole minutes; without it,
// `s` rounded up to the next boundary of the increment, counted from its full hour (with an
// increment of 7, 58 minutes become 63). Negative durations round the same way (minutes
// counted from the full hour below); a result beyond the 32-bit range saturates.
Duration RoundDuration(Duration s, bool exact, const TimeDisplaySettings& settings);

// The charge of an elapsed time at an hourly rate: the rounded duration (exact off) times the
// single-precision 1/3600 (mode 0, seconds) or 1/60 (other modes, whole minutes) times the
// rate, formed in extended precision and delivered as a float.
float ComputeCharge(Duration elapsed, float rate, const TimeDisplaySettings& settings);

// The minute within the hour (0..59) of a duration.
int MinuteWithinHour(Duration s);

}  // namespace tw
