#pragma once
// The time-adjustment rules that keep a record's start (S), stop (T), elapsed (E) and paused
// (P) consistent: T = S + E + P, S and T inside ValidTimeRange(), E and P not negative. For
// the running record (A) that is paused now (B) they also keep the pause's start (R) and the
// paused total before it (Q). Used by the Edit Time dialog and by single-cell edits.

#include "doc/time_range.h"

namespace tw {

// Which value an adjustment recomputes. Values outside 0..3 recompute nothing.
enum class RecalcTarget : int { kStart = 0, kStop = 1, kElapsed = 2, kPaused = 3 };

struct TimeAdjustValues {
    bool active = false;        // A: the record's clock runs
    CalTime start = 0;          // S
    CalTime stop = 0;           // T
    Duration elapsed = 0;       // E
    Duration paused = 0;        // P
    bool isPaused = false;      // B: the running record is paused now
    CalTime pauseBegan = 0;     // R: when the current pause began
    Duration pausedBefore = 0;  // Q: paused total before the current pause
};

// Each routine changes the six times of `v` in place. `wholeMinutes` is on whenever the
// document's time display increment is not one second; the values then lose their seconds
// before any arithmetic.

// The general adjustment (Recalculate, Auto Adjust, set-all). When the result is still not
// consistent the record is reset to the current time with nothing elapsed or paused.
void AdjustTimes(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes);

// After the start was edited: the start stays, the target is recomputed.
void AdjustAfterStartEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes);

// After the stop was edited (for the running record the stop is the current time).
void AdjustAfterStopEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes);

// After the elapsed time was edited.
void AdjustAfterElapsedEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes);

// After the paused time was edited.
void AdjustAfterPausedEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes);

}  // namespace tw
