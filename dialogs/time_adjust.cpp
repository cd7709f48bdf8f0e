#include "dialogs/time_adjust.h"

#include "dialogs/time_adjust_steps.h"
#include "doc/platform.h"

namespace tw {

namespace {

constexpr bool kKeep = true;  // the routine leaves that end (start or stop) where it is
constexpr bool kMove = false;

// Runs the steps every routine shares around `recompute`: preparation (after `beforeRepair`),
// the target's recomputation and the pause bookkeeping.
template <typename BeforeRepair, typename Recompute>
AdjustWork RunAdjust(TimeAdjustValues& v, bool wholeMinutes, BeforeRepair beforeRepair,
                     Recompute recompute) {
    AdjustWork w = BeginAdjust(v, wholeMinutes);
    beforeRepair(w);
    RepairDurationsAndClamp(w);
    recompute(w);
    BookPause(w);
    return w;
}

void Nothing(AdjustWork&) {}

RecalcTarget Remap(RecalcTarget target, RecalcTarget from, RecalcTarget to) {
    return target == from ? to : target;
}

}  // namespace

void AdjustTimes(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kStart);
    AdjustWork w = RunAdjust(v, wholeMinutes, Nothing, [target](AdjustWork& w) {
        switch (target) {
            case RecalcTarget::kStart: RecomputeStart(w, w.P, w.E, kMove); break;
            case RecalcTarget::kStop: RecomputeStop(w, w.E, w.P, kMove); break;
            case RecalcTarget::kElapsed: RecomputeDuration(w, w.E, w.P, kMove, kMove); break;
            case RecalcTarget::kPaused: RecomputeDuration(w, w.P, w.E, kMove, kMove); break;
        }
    });
    ResetIfInconsistent(w, Platform().clock->Now());
    EndAdjust(w, v);
}

void AdjustAfterStartEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    target = Remap(target, RecalcTarget::kStart, RecalcTarget::kElapsed);
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kElapsed);
    AdjustWork w = RunAdjust(v, wholeMinutes, Nothing, [target](AdjustWork& w) {
        switch (target) {
            case RecalcTarget::kStop: RecomputeStop(w, w.E, w.P, kKeep); break;
            case RecalcTarget::kElapsed: RecomputeDuration(w, w.E, w.P, kKeep, kMove); break;
            case RecalcTarget::kPaused: RecomputeDuration(w, w.P, w.E, kKeep, kMove); break;
            default: break;
        }
    });
    EndAdjust(w, v);
}

void AdjustAfterStopEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    target = Remap(target, RecalcTarget::kStop, RecalcTarget::kElapsed);
    const auto stopAtNowWhenActive = [](AdjustWork& w) {
        if (w.A) w.T = Platform().clock->Now();
    };
    AdjustWork w = RunAdjust(v, wholeMinutes, stopAtNowWhenActive, [target](AdjustWork& w) {
        switch (target) {
            case RecalcTarget::kStart: RecomputeStart(w, w.P, w.E, kKeep); break;
            case RecalcTarget::kElapsed: RecomputeDuration(w, w.E, w.P, kMove, kKeep); break;
            case RecalcTarget::kPaused: RecomputeDuration(w, w.P, w.E, kMove, kKeep); break;
            default: break;
        }
    });
    EndAdjust(w, v);
}

void AdjustAfterElapsedEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kStart);
    target = Remap(target, RecalcTarget::kElapsed,
                   v.active ? RecalcTarget::kStart : RecalcTarget::kStop);
    AdjustWork w = RunAdjust(v, wholeMinutes, Nothing, [target](AdjustWork& w) {
        KeepStartNotAfterStop(w);
        switch (target) {
            case RecalcTarget::kStart: RecomputeStart(w, w.P, w.E, kMove); break;
            case RecalcTarget::kStop: RecomputeStop(w, w.P, w.E, kMove); break;
            case RecalcTarget::kPaused: RecomputeDuration(w, w.P, w.E, kMove, kMove); break;
            default: break;
        }
    });
    EndAdjust(w, v);
}

void AdjustAfterPausedEdit(TimeAdjustValues& v, RecalcTarget target, bool wholeMinutes) {
    target = Remap(target, RecalcTarget::kPaused, RecalcTarget::kElapsed);
    if (v.active) target = Remap(target, RecalcTarget::kStop, RecalcTarget::kElapsed);
    AdjustWork w = RunAdjust(v, wholeMinutes, Nothing, [target](AdjustWork& w) {
        KeepStartNotAfterStop(w);
        switch (target) {
            case RecalcTarget::kStart: RecomputeStart(w, w.E, w.P, kMove); break;
            case RecalcTarget::kStop: RecomputeStop(w, w.E, w.P, kMove); break;
            case RecalcTarget::kElapsed: RecomputeDuration(w, w.E, w.P, kMove, kMove); break;
            default: break;
        }
    });
    EndAdjust(w, v);
}

}  // namespace tw
