// The clock of the active record: start or restart, pause, resume, the once-a-second update
// and stop. Each reads the current time once; a clock that jumps back is tolerated.

#include "doc/time_adjust_steps.h"
#include "framework/platform.h"
#include "doc/time_rec.h"

namespace tw {

namespace {

// a - b - c without overflow.
int64_t Span(int64_t a, int64_t b, int64_t c) { return a - b - c; }

// A paused total that grows by the time from `since` to `now`.
int64_t GrownBy(Duration total, CalTime since, CalTime now) {
    return static_cast<int64_t>(total) + (static_cast<int64_t>(now) - since);
}

}  // namespace

// Under the lock, with the current time read once: `step(now)` gives the status.
int CTimeRec::RunClock(ClockStep step) {
    RecordLockGuard guard(lock_);
    if (!guard.Owns()) return kLockFailed;
    return (this->*step)(Platform().clock->Now());
}

int CTimeRec::StartTiming() { return RunClock(&CTimeRec::StartAt); }
int CTimeRec::PauseTiming() { return RunClock(&CTimeRec::PauseAt); }
int CTimeRec::ResumeTiming() { return RunClock(&CTimeRec::ResumeAt); }
int CTimeRec::UpdateTiming() { return RunClock(&CTimeRec::UpdateAt); }
int CTimeRec::StopTiming() { return RunClock(&CTimeRec::StopAt); }

int CTimeRec::StartAt(CalTime now) {
    if (now >= stop_) {
        paused_ = SaturateToInt32(GrownBy(paused_, stop_, now));
    } else {
        start_ = SaturateToInt32(Span(now, paused_, elapsed_));
    }
    stop_ = now;
    running_ = true;
    isPaused_ = false;
    return kOk;
}

int CTimeRec::PauseAt(CalTime now) {
    if (!running_ || isPaused_) return kOk;
    if (stop_ < now) {
        // The time since the last update was worked: it joins elapsed before the pause.
        const int64_t worked = Span(now, start_, paused_);
        if (worked >= 0) elapsed_ = SaturateToInt32(worked);
        pauseBegan_ = now;
        stop_ = now;
    } else {
        pauseBegan_ = stop_;
    }
    isPaused_ = true;
    pausedBefore_ = paused_;
    return kOk;
}

int CTimeRec::ResumeAt(CalTime now) {
    if (!running_ || !isPaused_) return kOk;
    if (pauseBegan_ < now) {
        const int64_t paused = GrownBy(pausedBefore_, pauseBegan_, now);
        paused_ = SaturateToInt32(paused);
        // The pause ran up to now: the stop follows, so that elapsed stays what it was.
        if (stop_ < now && Span(now, start_, paused) >= 0) stop_ = now;
    }
    isPaused_ = false;
    return kOk;
}

int CTimeRec::UpdateAt(CalTime now) {
    if (!running_ || stop_ >= now) return kOk;
    if (isPaused_) {
        if (pauseBegan_ >= now) return kOk;
        const int64_t paused = GrownBy(pausedBefore_, pauseBegan_, now);
        const int64_t elapsed = Span(now, start_, paused);
        if (paused < 0 || elapsed < 0) return kOk;
        paused_ = SaturateToInt32(paused);
        stop_ = now;
        elapsed_ = SaturateToInt32(elapsed);
        return kOk;
    }
    const int64_t elapsed = Span(now, start_, paused_);
    if (elapsed < 0) return kOk;
    stop_ = now;
    elapsed_ = SaturateToInt32(elapsed);
    return kOk;
}

int CTimeRec::StopAt(CalTime now) {
    if (!running_) return kOk;
    int status = kOk;
    if (now < stop_) {
        const int64_t elapsed = Span(now, start_, paused_);
        if (elapsed >= 0) {
            stop_ = now;
            elapsed_ = SaturateToInt32(elapsed);
        } else {
            status = kClockSetBack;
        }
    } else {
        if (isPaused_ && pauseBegan_ < now)
            paused_ = SaturateToInt32(GrownBy(pausedBefore_, pauseBegan_, now));
        const int64_t elapsed = Span(now, start_, paused_);
        if (elapsed >= 0) elapsed_ = SaturateToInt32(elapsed);
        stop_ = now;
    }
    running_ = false;
    isPaused_ = false;
    return status;
}

}  // namespace tw
