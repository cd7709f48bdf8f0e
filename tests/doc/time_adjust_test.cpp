#include "doc/time_adjust.h"

#include <gtest/gtest.h>

#include "framework/local_time.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"

namespace tw {
namespace {

using Routine = void (*)(TimeAdjustValues&, RecalcTarget, bool);

constexpr int kM = 60;
constexpr int kH = 3600;
constexpr RecalcTarget kStart = RecalcTarget::kStart;
constexpr RecalcTarget kStop = RecalcTarget::kStop;
constexpr RecalcTarget kElapsed = RecalcTarget::kElapsed;
constexpr RecalcTarget kPaused = RecalcTarget::kPaused;
const RecalcTarget kBadTarget = static_cast<RecalcTarget>(7);

struct Case {
    const char* name;
    Routine routine;
    RecalcTarget target;
    bool wholeMinutes;
    TimeAdjustValues in;   // active, S, T, E, P, paused, R, Q
    TimeAdjustValues out;  // expected S, T, E, P, R, Q (flags unused)
};

void ExpectSame(const TimeAdjustValues& want, const TimeAdjustValues& got, const char* name) {
    EXPECT_EQ(want.start, got.start) << name;
    EXPECT_EQ(want.stop, got.stop) << name;
    EXPECT_EQ(want.elapsed, got.elapsed) << name;
    EXPECT_EQ(want.paused, got.paused) << name;
    EXPECT_EQ(want.pauseBegan, got.pauseBegan) << name;
    EXPECT_EQ(want.pausedBefore, got.pausedBefore) << name;
}

class TimeAdjust : public ::testing::Test {
protected:
    void Run(const Case* cases, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            TimeAdjustValues v = cases[i].in;
            cases[i].routine(v, cases[i].target, cases[i].wholeMinutes);
            ExpectSame(cases[i].out, v, cases[i].name);
        }
    }

    const CalTime b = MakeLocalTime({2026, 3, 10, 10, 0, 0});
    const CalTime lo = ValidTimeRange().first;
    const CalTime hi = ValidTimeRange().last;
    TestClock clock{MakeLocalTime({2026, 3, 10, 13, 0, 0})};
    RecordingMessageBox messages;
    ScopedPlatform platform{{&clock, &messages, Platform().locale}};
};

TEST_F(TimeAdjust, GeneralAdjustmentByTarget) {
    const CalTime now = clock.Now();
    const Case cases[] = {
        {"stop before start, elapsed: E 0, T = S + P",
         AdjustTimes,
         kElapsed,
         false,
         {false, b, b - kH, 10 * kM, 5 * kM},
         {false, b, b + 5 * kM, 0, 5 * kM}},
        {"stop past the range: T at its end, S moves back",
         AdjustTimes,
         kStop,
         false,
         {false, hi - kH, 0, 2 * kH, 0},
         {false, hi - 2 * kH, hi, 2 * kH, 0}},
        {"start from T - E - P",
         AdjustTimes,
         kStart,
         false,
         {false, b + 9 * kH, b + 2 * kH, kH, 30 * kM},
         {false, b + 30 * kM, b + 2 * kH, kH, 30 * kM}},
        {"paused from T - S - E",
         AdjustTimes,
         kPaused,
         false,
         {false, b, b + 2 * kH, 90 * kM, 0},
         {false, b, b + 2 * kH, 90 * kM, 30 * kM}},
        {"start before the range: S at its start, T follows",
         AdjustTimes,
         kStart,
         false,
         {false, b, lo + 10 * kM, kH, 0},
         {false, lo, lo + kH, kH, 0}},
        {"active start before the range: stop kept, elapsed cut",
         AdjustTimes,
         kStart,
         false,
         {true, b, lo + 10 * kM, kH, 20 * kM},
         {true, lo, lo + 10 * kM, 10 * kM, 0}},
        {"active stop target acts as start",
         AdjustTimes,
         kStop,
         false,
         {true, b, b + 2 * kH, kH, 0},
         {true, b + kH, b + 2 * kH, kH, 0}},
        {"paused active record with negative paused: Q + running pause",
         AdjustTimes,
         kElapsed,
         false,
         {true, b, b + 2 * kH, 0, -5, true, b + 110 * kM, 20 * kM},
         {true, b, b + 2 * kH, 90 * kM, 30 * kM, true, b + 110 * kM, 20 * kM}},
        {"negative elapsed becomes 0 first",
         AdjustTimes,
         kStop,
         false,
         {false, b, 0, -kH, 10 * kM},
         {false, b, b + 10 * kM, 0, 10 * kM}},
        {"bad target, consistent values stay",
         AdjustTimes,
         kBadTarget,
         false,
         {false, b, b + kH, 50 * kM, 10 * kM},
         {false, b, b + kH, 50 * kM, 10 * kM}},
        {"bad target, inconsistent values reset to now",
         AdjustTimes,
         kBadTarget,
         false,
         {false, b, b + kH, 5 * kM, 0, false, 7, 9},
         {false, now, now, 0, 0, false, now, 0}},
    };
    Run(cases, std::size(cases));
}

TEST_F(TimeAdjust, WholeMinutesDropSecondsBeforeArithmetic) {
    const CalTime s = b + 5 * kM + 30;  // 10:05:30
    const Case cases[] = {
        {"idle: S, T, E and P lose their seconds",
         AdjustTimes,
         kStop,
         true,
         {false, s, b + 3 * kH + 59, 10 * kM + 45, 2 * kM + 1},
         {false, b + 5 * kM, b + 17 * kM, 10 * kM, 2 * kM}},
        {"paused active: Q and R cut, P and T kept",
         AdjustAfterPausedEdit,
         kStop,
         true,
         {true, s, b + 2 * kH + 10, kH + 5, 50 * kM + 10, true, b + kH + 15, 20 * kM + 40},
         {true, b + 5 * kM, b + 2 * kH + 10, 65 * kM, 50 * kM + 10, true, b + 70 * kM, 0}},
    };
    Run(cases, std::size(cases));
}

TEST_F(TimeAdjust, AfterStartEdit) {
    const Case cases[] = {
        {"start target becomes elapsed",
         AdjustAfterStartEdit,
         kStart,
         false,
         {false, b, b + 2 * kH, 0, 10 * kM},
         {false, b, b + 2 * kH, 110 * kM, 10 * kM}},
        {"stop past the range: start kept, elapsed shrinks",
         AdjustAfterStartEdit,
         kStop,
         false,
         {false, hi - 30 * kM, 0, kH, 10 * kM},
         {false, hi - 30 * kM, hi, 20 * kM, 10 * kM}},
        {"active start after stop: start pulled to stop",
         AdjustAfterStartEdit,
         kElapsed,
         false,
         {true, b + 3 * kH, b + 2 * kH, kH, 10 * kM},
         {true, b + 2 * kH, b + 2 * kH, 0, 0}},
        {"idle start after stop: stop follows start + paused",
         AdjustAfterStartEdit,
         kElapsed,
         false,
         {false, b + 3 * kH, b + 2 * kH, kH, 10 * kM},
         {false, b + 3 * kH, b + 3 * kH + 10 * kM, 0, 10 * kM}},
        {"paused target, stop follows start + elapsed",
         AdjustAfterStartEdit,
         kPaused,
         false,
         {false, b + 3 * kH, b + 2 * kH, kH, 10 * kM},
         {false, b + 3 * kH, b + 4 * kH, kH, 0}},
        {"bad target only clamps",
         AdjustAfterStartEdit,
         kBadTarget,
         false,
         {false, lo - 100, b, 5, 6},
         {false, lo, b, 5, 6}},
    };
    Run(cases, std::size(cases));
}

TEST_F(TimeAdjust, AfterStopEdit) {
    const Case cases[] = {
        {"active: stop is now, stop target becomes elapsed",
         AdjustAfterStopEdit,
         kStop,
         false,
         {true, b, b + kH, 0, 0},
         {true, b, b + 3 * kH, 3 * kH, 0}},
        {"start target",
         AdjustAfterStopEdit,
         kStart,
         false,
         {false, 0, b + 2 * kH, kH, 0},
         {false, b + kH, b + 2 * kH, kH, 0}},
        {"start target before the range: paused cut",
         AdjustAfterStopEdit,
         kStart,
         false,
         {false, b, lo + kH, 30 * kM, 2 * kH},
         {false, lo, lo + kH, 30 * kM, 30 * kM}},
        {"elapsed target, stop before start: start moves back",
         AdjustAfterStopEdit,
         kElapsed,
         false,
         {false, b, b - kH, kH, 10 * kM},
         {false, b - 70 * kM, b - kH, 0, 10 * kM}},
    };
    Run(cases, std::size(cases));
}

TEST_F(TimeAdjust, AfterElapsedAndPausedEdits) {
    const Case cases[] = {
        {"elapsed: elapsed target becomes stop",
         AdjustAfterElapsedEdit,
         kElapsed,
         false,
         {false, b, b, 45 * kM, 15 * kM},
         {false, b, b + kH, 45 * kM, 15 * kM}},
        {"elapsed, active: elapsed target becomes start",
         AdjustAfterElapsedEdit,
         kElapsed,
         false,
         {true, 0, b + 2 * kH, 45 * kM, 15 * kM},
         {true, b + kH, b + 2 * kH, 45 * kM, 15 * kM}},
        {"elapsed: start after stop moved to stop first",
         AdjustAfterElapsedEdit,
         kPaused,
         false,
         {false, b + 3 * kH, b + 2 * kH, 30 * kM, 0},
         {false, b + 2 * kH, b + 150 * kM, 30 * kM, 0}},
        {"elapsed: stop past the range, paused gives way",
         AdjustAfterElapsedEdit,
         kStop,
         false,
         {false, lo + kH, hi, hi - lo - kH, kH},
         {false, lo, hi, hi - lo - kH, kH}},
        {"paused: paused target becomes elapsed",
         AdjustAfterPausedEdit,
         kPaused,
         false,
         {false, b, b + 2 * kH, 0, 30 * kM},
         {false, b, b + 2 * kH, 90 * kM, 30 * kM}},
        {"paused: stop target",
         AdjustAfterPausedEdit,
         kStop,
         false,
         {false, b, b, kH, 30 * kM},
         {false, b, b + 90 * kM, kH, 30 * kM}},
        {"paused below the running pause: Q 0, pause began P before stop",
         AdjustAfterPausedEdit,
         kElapsed,
         false,
         {true, b, b + 2 * kH, 0, 20 * kM, true, b + kH, 10 * kM},
         {true, b, b + 2 * kH, 100 * kM, 20 * kM, true, b + 100 * kM, 0}},
        {"paused above the running pause: Q keeps the rest",
         AdjustAfterPausedEdit,
         kElapsed,
         false,
         {true, b, b + 2 * kH, 0, 80 * kM, true, b + kH, 10 * kM},
         {true, b, b + 2 * kH, 40 * kM, 80 * kM, true, b + kH, 20 * kM}},
    };
    Run(cases, std::size(cases));
}

TEST_F(TimeAdjust, HugeDurationsNeverOverflow) {
    TimeAdjustValues v{false, b, b, INT32_MAX, INT32_MAX};
    AdjustTimes(v, kStop, false);
    EXPECT_TRUE(v.start >= lo && v.stop <= hi && v.start <= v.stop);
    EXPECT_EQ(v.paused, v.stop - v.start - v.elapsed);
    EXPECT_GE(v.elapsed, 0);
    EXPECT_GE(v.paused, 0);
}

}  // namespace
}  // namespace tw
