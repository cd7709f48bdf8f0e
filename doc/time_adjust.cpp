#include "doc/time_adjust.h"

#include "doc/time_adjust_steps.h"
#include "framework/platform.h"

namespace tw {

namespace {

// What tells the five routines apart, besides their target remapping.
struct RoutineShape {
    bool keepStart;          // the start was edited: it stays where it is
    bool keepStop;           // the stop was edited: it stays where it is
    bool startFitsPaused;    // start target out of range: paused gives way first (else elapsed)
    bool stopFitsElapsed;    // stop target out of range: elapsed gives way first (else paused)
    bool stopIsNowIfActive;  // the running record's stop is the current time
    bool startNotAfterStop;  // a start after the stop is moved to the stop before recomputing
};

constexpr RoutineShape kGeneral{false, false, true, true, false, false};
constexpr RoutineShape kAfterStart{true, false, true, true, false, false};
constexpr RoutineShape kAfterStop{false, true, true, true, true, false};
constexpr RoutineShape kAfterElapsed{false, false, true, false, false, true};
constexpr RoutineShape kAfterPaused{false, false, false, true, false, true};

// The two durations in the order in which they give way: paused first, or elapsed first.
struct FitOrder {
    int64_t& first;
    int64_t& second;
};

FitOrder GiveWay(AdjustWork& w, bool pausedFirst) {
    return pausedFirst ? FitOrder{w.P, w.E} : FitOrder{w.E, w.P};
}

void RecomputeTarget(AdjustWork& w, RecalcTarget target, const RoutineShape& shape) {
    switch (target) {
        case RecalcTarget::kStart: {
            const FitOrder fit = GiveWay(w, shape.startFitsPaused);
            RecomputeStart(w, fit.first, fit.second, shape.keepStop);
            break;
        }
        case RecalcTarget::kStop: {
            const FitOrder fit = GiveWay(w, !shape.stopFitsElapsed);
            RecomputeStop(w, fit.first, fit.second, shape.keepStart);
            break;
        }
        case RecalcTarget::kElapsed:
            RecomputeDuration(w, w.E, w.P, shape.keepStart, shape.keepStop);
            break;
        case RecalcTarget::kPaused:
            RecomputeDuration(w, w.P, w.E, shape.keepStart, shape.keepStop);
            break;
    }
}

// The steps every routine shares, from dropping seconds to the pause bookkeeping.
AdjustWork RunAdjust(const TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes,
                     const RoutineShape& shape) {
    AdjustWork w = BeginAdjust(v, wholeMinutes);
    if (shape.stopIsNowIfActive && w.A) w.T = Platform().clock->Now();
    RepairDurationsAndClamp(w);
    if (shape.startNotAfterStop) KeepStartNotAfterStop(w);
    RecomputeTarget(w, target, shape);
    BookPause(w);
    return w;
}

RecalcTarget Remap(RecalcTarget target, RecalcTarget from, RecalcTarget to) {
    return target == from ? to : target;
}

}  // namespace

void AdjustTimes(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kStart);
    AdjustWork w = RunAdjust(v, target, wholeMinutes, kGeneral);
    if (!IsConsistent(w)) ResetTo(w, Platform().clock->Now());
    EndAdjust(w, v);
}

void AdjustAfterStartEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    target = Remap(target, RecalcTarget::kStart, RecalcTarget::kElapsed);
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kElapsed);
    EndAdjust(RunAdjust(v, target, wholeMinutes, kAfterStart), v);
}

void AdjustAfterStopEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    target = Remap(target, RecalcTarget::kStop, RecalcTarget::kElapsed);
    EndAdjust(RunAdjust(v, target, wholeMinutes, kAfterStop), v);
}

void AdjustAfterElapsedEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kStart);
    target = Remap(target, RecalcTarget::kElapsed,
                   v.active ? RecalcTarget::kStart : RecalcTarget::kStop);
    EndAdjust(RunAdjust(v, target, wholeMinutes, kAfterElapsed), v);
}

void AdjustAfterPausedEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    target = Remap(target, RecalcTarget::kPaused, RecalcTarget::kElapsed);
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kElapsed);
    EndAdjust(RunAdjust(v, target, wholeMinutes, kAfterPaused), v);
}

}  // namespace tw
