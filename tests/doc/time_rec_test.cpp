#include "doc/time_rec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "framework/local_time.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"
#include "framework/archive.h"
#include "framework/archive_streams.h"

namespace tw {
namespace {

constexpr int kM = 60;
constexpr int kH = 3600;

class TimeRecTest : public ::testing::Test {
protected:
    const CalTime b = MakeLocalTime({2026, 3, 10, 10, 0, 0});
    TestClock clock{b};
    RecordingMessageBox messages;
    ScopedPlatform platform{{&clock, &messages, Platform().locale}};

    // A record with the given times as a file would give them.
    CTimeRec Stopped(CalTime start, CalTime stop, Duration paused) {
        MemorySink sink;
        {
            CArchive ar(sink);
            ar.WriteI32(start);
            ar.WriteI32(stop);
            ar.WriteI32(paused);
            ar.WriteString("");
        }
        return Read(sink.Bytes(), 7);
    }

    static CTimeRec Read(const std::vector<uint8_t>& bytes, int version, float oldRate = -1.0f,
                         uint64_t* left = nullptr) {
        MemorySource source(bytes);
        CArchive ar(source);
        ar.Context().versionIndex = version;
        ar.Context().oldFileRate = oldRate;
        CTimeRec rec;
        rec.Serialize(ar);
        if (left != nullptr) *left = ar.BytesLeft();
        return rec;
    }

    static std::vector<uint8_t> Write(CTimeRec& rec) {
        MemorySink sink;
        {
            CArchive ar(sink);
            rec.Serialize(ar);
        }
        return sink.Bytes();
    }
};

void ExpectTimes(const CTimeRec& r, CalTime start, CalTime stop, Duration elapsed,
                 Duration paused) {
    EXPECT_EQ(start, r.GetStart());
    EXPECT_EQ(stop, r.GetStop());
    EXPECT_EQ(elapsed, r.GetElapsed());
    EXPECT_EQ(paused, r.GetPaused());
}

TEST_F(TimeRecTest, ConstructorsAndCreationByName) {
    const CTimeRec idle;
    ExpectTimes(idle, b, b, 0, 0);
    EXPECT_EQ(b, idle.GetPauseBegan());
    EXPECT_FALSE(idle.IsRunning());
    EXPECT_EQ(CTimeRec::kNoOwnRate, idle.GetOwnRate());
    EXPECT_TRUE(idle.IsConsistent());

    const CTimeRec running(b + kH);
    ExpectTimes(running, b + kH, b + kH, 0, 0);
    EXPECT_TRUE(running.IsRunning());
    EXPECT_FALSE(running.IsPaused());

    const CRuntimeClass* cls = ClassRegistry::Find("CTimeRec");
    ASSERT_EQ(&CTimeRec::classInfo, cls);
    EXPECT_EQ(1, cls->schema);
    const std::unique_ptr<CObject> created = ClassRegistry::Create("CTimeRec");
    ASSERT_TRUE(created->IsKindOf(&CTimeRec::classInfo));
    const auto& forReading = static_cast<const CTimeRec&>(*created);
    ExpectTimes(forReading, 0, 0, 0, 0);
    EXPECT_FALSE(forReading.IsRunning() || forReading.IsPaused());
}

TEST_F(TimeRecTest, PlainSettersNormaliseNotesAndRate) {
    CTimeRec r;
    EXPECT_EQ(CTimeRec::kOk, r.SetNotes(std::string(300, 'n')));
    EXPECT_EQ(std::string(255, 'n'), r.GetNotes());
    r.SetNotes(std::string(255, 'k'));
    EXPECT_EQ(std::string(255, 'k'), r.GetNotes());

    const struct {
        float in;
        float stored;
    } rates[] = {{-0.5f, -1.0f}, {0.0f, 0.0f}, {12.5f, 12.5f}, {-1.0f, -1.0f}, {NAN, -1.0f}};
    for (const auto& c : rates) {
        r.SetOwnRate(c.in);
        EXPECT_EQ(c.stored, r.GetOwnRate()) << c.in;
    }
}

TEST_F(TimeRecTest, RestartCountsTheGapAsPausedOrMovesStartBack) {
    CTimeRec r(b);
    clock.Set(b + kH);
    r.UpdateTiming();
    ASSERT_EQ(CTimeRec::kOk, r.StopTiming());
    ExpectTimes(r, b, b + kH, kH, 0);

    clock.Advance(30 * kM);  // restarted 30 minutes after it stopped
    EXPECT_EQ(CTimeRec::kOk, r.StartTiming());
    ExpectTimes(r, b, b + 90 * kM, kH, 30 * kM);
    EXPECT_TRUE(r.IsRunning() && r.IsConsistent());

    r.StopTiming();
    clock.Set(b + kH);  // the clock was set back before the record's stop
    r.StartTiming();
    ExpectTimes(r, b - 30 * kM, b + kH, kH, 30 * kM);
    EXPECT_TRUE(r.IsConsistent());
}

TEST_F(TimeRecTest, PauseAndResumeGrowPausedOnly) {
    CTimeRec r(b);
    clock.Advance(20 * kM);
    r.UpdateTiming();
    EXPECT_EQ(CTimeRec::kOk, r.PauseTiming());
    EXPECT_TRUE(r.IsPaused());
    EXPECT_EQ(b + 20 * kM, r.GetPauseBegan());
    for (int i = 0; i < 5; ++i) {
        clock.Advance(kM);
        r.UpdateTiming();
        EXPECT_EQ(20 * kM, r.GetElapsed());
        EXPECT_EQ((i + 1) * kM, r.GetPaused());
    }
    EXPECT_EQ(CTimeRec::kOk, r.ResumeTiming());
    EXPECT_FALSE(r.IsPaused());
    ExpectTimes(r, b, b + 25 * kM, 20 * kM, 5 * kM);
    clock.Advance(kM);
    r.UpdateTiming();
    ExpectTimes(r, b, b + 26 * kM, 21 * kM, 5 * kM);

    // Pause or resume in the wrong state changes nothing.
    r.ResumeTiming();
    ExpectTimes(r, b, b + 26 * kM, 21 * kM, 5 * kM);
    CTimeRec idle;
    idle.PauseTiming();
    EXPECT_FALSE(idle.IsPaused());
}

TEST_F(TimeRecTest, PauseAndResumeBetweenUpdatesStayConsistent) {
    CTimeRec r(b);
    clock.Advance(10);  // no update since the start
    r.PauseTiming();
    EXPECT_TRUE(r.IsConsistent());
    ExpectTimes(r, b, b + 10, 10, 0);
    clock.Advance(50);
    r.ResumeTiming();
    EXPECT_TRUE(r.IsConsistent());
    ExpectTimes(r, b, b + 60, 10, 50);
}

TEST_F(TimeRecTest, StopCountsTheCurrentPauseAndToleratesAClockSetBack) {
    CTimeRec paused(b);
    clock.Advance(kH);
    paused.UpdateTiming();
    paused.PauseTiming();
    clock.Advance(10 * kM);
    EXPECT_EQ(CTimeRec::kOk, paused.StopTiming());
    ExpectTimes(paused, b, b + 70 * kM, kH, 10 * kM);
    EXPECT_FALSE(paused.IsRunning() || paused.IsPaused());

    CTimeRec back(b);
    clock.Set(b + kH);
    back.UpdateTiming();
    clock.Set(b + 30 * kM);  // back, but still after start + paused
    EXPECT_EQ(CTimeRec::kOk, back.StopTiming());
    ExpectTimes(back, b, b + 30 * kM, 30 * kM, 0);

    CTimeRec before(b);
    clock.Set(b + kH);
    before.UpdateTiming();
    clock.Set(b - kM);  // before the start: nothing of the times changes
    EXPECT_EQ(CTimeRec::kClockSetBack, before.StopTiming());
    ExpectTimes(before, b, b + kH, kH, 0);
    EXPECT_FALSE(before.IsRunning());

    CTimeRec running(b);
    clock.Set(b - kM);
    running.UpdateTiming();  // a clock behind the stop does not move it
    ExpectTimes(running, b, b, 0, 0);
}

TEST_F(TimeRecTest, LockHeldElsewhereMakesEveryChangeFail) {
    CTimeRec r(b);
    r.Lock().SetWaitMs(0);
    ASSERT_TRUE(r.Lock().Lock());
    const CTimeRec other;
    clock.Advance(kH);
    const int results[] = {r.SetNotes("x"),
                           r.SetOwnRate(3),
                           r.SetExpense(1),
                           r.SetProjectIndex(1),
                           r.SetCategoryIndex(1),
                           r.SetClientIndex(1),
                           r.SetMark(1),
                           r.SetStart(b - kH, RecalcTarget::kElapsed, false),
                           r.SetStop(b + kH, RecalcTarget::kElapsed, false),
                           r.SetElapsed(kM, RecalcTarget::kStop, false),
                           r.SetPaused(kM, RecalcTarget::kStop, false),
                           r.SetAll(TimeRecValues{}),
                           r.StartTiming(),
                           r.PauseTiming(),
                           r.ResumeTiming(),
                           r.UpdateTiming(),
                           r.StopTiming(),
                           r.CopyFrom(other)};
    for (int status : results) EXPECT_EQ(CTimeRec::kLockFailed, status);
    r.Lock().Unlock();
    ExpectTimes(r, b, b, 0, 0);
    EXPECT_TRUE(r.IsRunning());
    EXPECT_TRUE(r.GetNotes().empty());
    EXPECT_EQ(0, r.GetProjectIndex() + r.GetCategoryIndex() + r.GetClientIndex() + r.GetMark());
    EXPECT_EQ(CTimeRec::kNoOwnRate, r.GetOwnRate());
    EXPECT_EQ(CTimeRec::kOk, r.SetMark(1));
}

TEST_F(TimeRecTest, CopyTakesEveryFieldButTheLock) {
    CTimeRec src(b);
    clock.Advance(kH);
    src.UpdateTiming();
    src.PauseTiming();
    src.SetNotes("notes");
    src.SetProjectIndex(1);
    src.SetCategoryIndex(2);
    src.SetClientIndex(3);
    src.SetMark(1);
    src.SetOwnRate(7.5f);
    src.SetExpense(2.0f);
    ASSERT_TRUE(src.Lock().Lock());

    CTimeRec constructed(src);
    CTimeRec assigned;
    assigned = src;
    for (const CTimeRec* c : {&constructed, &assigned}) {
        ExpectTimes(*c, b, b + kH, kH, 0);
        EXPECT_EQ(src.GetPauseBegan(), c->GetPauseBegan());
        EXPECT_EQ(src.GetPausedBefore(), c->GetPausedBefore());
        EXPECT_TRUE(c->IsRunning() && c->IsPaused());
        EXPECT_EQ("notes", c->GetNotes());
        EXPECT_EQ(1, c->GetProjectIndex());
        EXPECT_EQ(2, c->GetCategoryIndex());
        EXPECT_EQ(3, c->GetClientIndex());
        EXPECT_EQ(1, c->GetMark());
        EXPECT_EQ(7.5f, c->GetOwnRate());
        EXPECT_EQ(2.0f, c->GetExpense());
    }
    EXPECT_FALSE(constructed.Lock().IsLocked());
    EXPECT_FALSE(assigned.Lock().IsLocked());
    src.Lock().Unlock();

    CTimeRec& alias = assigned;
    EXPECT_EQ(CTimeRec::kOk, assigned.CopyFrom(alias));
    EXPECT_EQ("notes", assigned.GetNotes());
}

TEST_F(TimeRecTest, TimeSettersAndSetAllAdjust) {
    CTimeRec r = Stopped(b, b + 2 * kH, 0);
    EXPECT_EQ(CTimeRec::kOk, r.SetStart(b + kH, RecalcTarget::kElapsed, false));
    ExpectTimes(r, b + kH, b + 2 * kH, kH, 0);
    r.SetStop(b + 3 * kH, RecalcTarget::kPaused, false);
    ExpectTimes(r, b + kH, b + 3 * kH, kH, kH);
    r.SetElapsed(90 * kM, RecalcTarget::kStop, false);
    ExpectTimes(r, b + kH, b + 3 * kH + 30 * kM, 90 * kM, kH);
    r.SetPaused(30 * kM + 20, RecalcTarget::kStart, true);  // whole minutes drop the 20 s
    ExpectTimes(r, b + 90 * kM, b + 3 * kH + 30 * kM, 90 * kM, 30 * kM);

    TimeRecValues v;
    v.start = b;
    v.stop = b - kH;  // before the start: elapsed target gives E 0 and T = S + P
    v.elapsed = kH;
    v.paused = 5 * kM;
    v.notes = std::string(256, 'a');
    v.projectIndex = 2;
    v.categoryIndex = 3;
    v.clientIndex = 4;
    v.ownRate = -3.0f;
    v.expense = 9.5f;
    v.mark = 1;
    v.target = RecalcTarget::kElapsed;
    EXPECT_EQ(CTimeRec::kOk, r.SetAll(v));
    ExpectTimes(r, b, b + 5 * kM, 0, 5 * kM);
    EXPECT_EQ(std::string(255, 'a'), r.GetNotes());
    EXPECT_EQ(2, r.GetProjectIndex());
    EXPECT_EQ(3, r.GetCategoryIndex());
    EXPECT_EQ(4, r.GetClientIndex());
    EXPECT_EQ(CTimeRec::kNoOwnRate, r.GetOwnRate());
    EXPECT_EQ(9.5f, r.GetExpense());
    EXPECT_EQ(1, r.GetMark());
}

TEST_F(TimeRecTest, BodyRoundTripsByVersionIndex) {
    CTimeRec r = Stopped(b, b + 2 * kH, 10 * kM);
    r.SetNotes("call with client");
    r.SetProjectIndex(70000);  // stored as its low 16 bits
    r.SetCategoryIndex(2);
    r.SetClientIndex(3);
    r.SetMark(1);
    r.SetOwnRate(40.0f);
    r.SetExpense(12.5f);
    const std::vector<uint8_t> body = Write(r);
    ASSERT_EQ(12u + 17u + 8u + 8u, body.size());

    const struct {
        int version;
        uint64_t left;  // bytes the older layout does not read
        int project, category, client, mark;
        float rate, expense;
    } cases[] = {
        {12, 0, 70000 & 0xFFFF, 2, 3, 1, 40.0f, 12.5f},
        {10, 0, 70000 & 0xFFFF, 2, 3, 1, 40.0f, 12.5f},
        {9, 4, 70000 & 0xFFFF, 2, 3, 1, 40.0f, 0.0f},
        {8, 4, 70000 & 0xFFFF, 2, 3, 1, 40.0f, 0.0f},
        {7, 16, 0, 0, 0, 0, 25.0f, 0.0f},
        {0, 16, 0, 0, 0, 0, 25.0f, 0.0f},
    };
    for (const auto& c : cases) {
        uint64_t left = 99;
        const CTimeRec back = Read(body, c.version, 25.0f, &left);
        EXPECT_EQ(c.left, left) << c.version;
        ExpectTimes(back, b, b + 2 * kH, 110 * kM, 10 * kM);
        EXPECT_EQ("call with client", back.GetNotes());
        EXPECT_EQ(c.project, back.GetProjectIndex()) << c.version;
        EXPECT_EQ(c.category, back.GetCategoryIndex()) << c.version;
        EXPECT_EQ(c.client, back.GetClientIndex()) << c.version;
        EXPECT_EQ(c.mark, back.GetMark()) << c.version;
        EXPECT_EQ(c.rate, back.GetOwnRate()) << c.version;
        EXPECT_EQ(c.expense, back.GetExpense()) << c.version;
        EXPECT_FALSE(back.IsRunning() || back.IsPaused());
    }
}

TEST_F(TimeRecTest, ReadingRepairsInconsistentTimes) {
    const TimeRange range = ValidTimeRange();
    const struct {
        const char* name;
        CalTime start, stop;
        Duration paused;
        CalTime wantStart, wantStop;
        Duration wantPaused;
    } cases[] = {
        {"consistent stays", b, b + kH, 10 * kM, b, b + kH, 10 * kM},
        {"stop before start", b + kH, b, 10 * kM, b, b, 0},
        {"paused longer than the span", b, b + kH, 2 * kH, b, b + kH, kH},
        {"negative paused", b, b + kH, -kM, b, b + kH, 0},
        {"start in 1970", 0, b, 0, range.first, b, 0},
        {"stop after 2037", b, range.last + 100, 0, b, range.last, 0},
        {"both extremes", INT32_MIN, INT32_MAX, INT32_MIN, range.first, range.last, 0},
    };
    for (const auto& c : cases) {
        const CTimeRec r = Stopped(c.start, c.stop, c.paused);
        EXPECT_EQ(c.wantStart, r.GetStart()) << c.name;
        EXPECT_EQ(c.wantStop, r.GetStop()) << c.name;
        EXPECT_EQ(c.wantPaused, r.GetPaused()) << c.name;
        EXPECT_TRUE(r.IsConsistent()) << c.name;
    }
}

TEST_F(TimeRecTest, DamagedBodiesAreFormatErrorsAndLongNotesAreCut) {
    CTimeRec r = Stopped(b, b + kH, 0);
    std::vector<uint8_t> body = Write(r);
    body.resize(body.size() - 1);
    EXPECT_THROW(Read(body, 12), CArchiveException);

    MemorySink sink;
    {
        CArchive ar(sink);
        ar.WriteI32(b);
        ar.WriteI32(b);
        ar.WriteI32(0);
        ar.WriteString(std::string(400, 'q'));
    }
    EXPECT_EQ(std::string(255, 'q'), Read(sink.Bytes(), 7).GetNotes());
}

}  // namespace
}  // namespace tw
