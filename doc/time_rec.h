#pragma once
// CTimeRec: one row of a document's time table. It keeps elapsed = stop - start - paused,
// runs the clock of the document's active record and stores its body in document files.
//
// Every changing operation (setters, clock operations, SetAll, assignment) and Serialize hold
// the record's lock for their whole run. Operations with a status return kOk, kLockFailed
// (nothing changed) or, from StopTiming, kClockSetBack. Getters do not lock.

#include <string>
#include <string_view>

#include "doc/time_adjust.h"
#include "doc/record_lock.h"
#include "doc/time_range.h"
#include "framework/object.h"

namespace tw {

// The values SetAll stores (the Edit Time dialog's result).
struct TimeRecValues {
    CalTime start = 0;
    CalTime stop = 0;
    Duration elapsed = 0;
    Duration paused = 0;
    CalTime pauseBegan = 0;
    Duration pausedBefore = 0;
    std::string notes;
    int projectIndex = 0;
    int categoryIndex = 0;
    int clientIndex = 0;
    float ownRate = -1.0f;
    float expense = 0.0f;
    int mark = 0;
    RecalcTarget target = RecalcTarget::kElapsed;
    bool wholeMinutes = false;
};

class CTimeRec : public CObject {
    TW_DECLARE_SERIAL(CTimeRec)

public:
    static constexpr int kOk = 0;
    static constexpr int kLockFailed = 1;
    static constexpr int kClockSetBack = 2;  // StopTiming: the clock reads before start + paused
    static constexpr size_t kMaxNotes = 255;
    static constexpr float kNoOwnRate = -1.0f;

    // Constructors
    CTimeRec();                    // idle, at the current time
    explicit CTimeRec(CalTime t);  // running, not paused, started at t

    // (CreateObject, the creation by class name for reading, makes an idle record at time 0
    // without reading the clock: that is slow on some systems, and the body read next
    // replaces the times.)
    CTimeRec(const CTimeRec& other);
    CTimeRec& operator=(const CTimeRec& other);  // CopyFrom; self-assignment does nothing
    int CopyFrom(const CTimeRec& other);         // every field but the lock

    // Attributes
    CalTime GetStart() const { return start_; }
    CalTime GetStop() const { return stop_; }
    Duration GetElapsed() const { return elapsed_; }
    Duration GetPaused() const { return paused_; }
    Duration GetPausedBefore() const { return pausedBefore_; }
    CalTime GetPauseBegan() const { return pauseBegan_; }
    const std::string& GetNotes() const { return notes_; }
    bool IsRunning() const { return running_; }
    bool IsPaused() const { return isPaused_; }
    int GetProjectIndex() const { return projectIndex_; }
    int GetCategoryIndex() const { return categoryIndex_; }
    int GetClientIndex() const { return clientIndex_; }
    // The index into item list `type`: 0 projects, 1 categories, anything else clients.
    int GetItemIndex(int type) const {
        return type == 0 ? projectIndex_ : type == 1 ? categoryIndex_ : clientIndex_;
    }
    float GetOwnRate() const { return ownRate_; }  // kNoOwnRate when the list rate applies
    int GetMark() const { return mark_; }
    float GetExpense() const { return expense_; }

    // Start and stop inside ValidTimeRange(), elapsed and paused not negative and
    // elapsed == stop - start - paused.
    bool IsConsistent() const;

    // The record's lock, for callers that need to hold it across several operations.
    RecordLock& Lock() { return lock_; }
    const RecordLock& Lock() const { return lock_; }

    // Plain setters
    int SetNotes(std::string_view notes);  // cut to kMaxNotes characters
    int SetOwnRate(float rate);            // negative (or not a number) stores kNoOwnRate
    int SetExpense(float amount);
    int SetProjectIndex(int index);
    int SetCategoryIndex(int index);
    int SetClientIndex(int index);
    // Sets the index into item list `type`, read back by GetItemIndex(type).
    int SetItemIndex(int type, int index) {
        return type == 0   ? SetProjectIndex(index)
               : type == 1 ? SetCategoryIndex(index)
                           : SetClientIndex(index);
    }
    int SetMark(int mark);

    // Time setters: the edited value replaces the record's own, then the matching
    // adjustment keeps the others consistent (see dialogs/time_adjust.h).
    int SetStart(CalTime t, RecalcTarget target, bool wholeMinutes);
    int SetStop(CalTime t, RecalcTarget target, bool wholeMinutes);
    int SetElapsed(Duration d, RecalcTarget target, bool wholeMinutes);
    int SetPaused(Duration d, RecalcTarget target, bool wholeMinutes);

    // Runs AdjustTimes over the given times, then stores them and every other value.
    int SetAll(const TimeRecValues& values);

    // Clock operations; each reads the current time once from Platform().clock.
    int StartTiming();
    int PauseTiming();
    int ResumeTiming();
    int UpdateTiming();
    int StopTiming();

    // Writes the current layout; reads the layout of ar.Context().versionIndex (records of
    // index 0..7 take ar.Context().oldFileRate as own rate), then repairs what is inconsistent.
    void Serialize(CArchive& ar) override;

private:
    TimeAdjustValues AdjustValues() const;
    void StoreAdjusted(const TimeAdjustValues& v);
    using AdjustRoutine = void (*)(TimeAdjustValues&, RecalcTarget, bool);
    int EditTime(int32_t TimeAdjustValues::*field, int32_t value, AdjustRoutine adjust,
                 RecalcTarget target, bool wholeMinutes);
    using ClockStep = int (CTimeRec::*)(CalTime now);
    int RunClock(ClockStep step);
    int StartAt(CalTime now);
    int PauseAt(CalTime now);
    int ResumeAt(CalTime now);
    int UpdateAt(CalTime now);
    int StopAt(CalTime now);
    void CopyFields(const CTimeRec& other);
    void StoreBody(CArchive& ar) const;
    void LoadBody(CArchive& ar);
    void RepairAfterLoad();

    CalTime start_;
    CalTime stop_;
    Duration elapsed_ = 0;
    Duration paused_ = 0;
    Duration pausedBefore_ = 0;
    CalTime pauseBegan_;
    std::string notes_;
    bool running_ = false;
    bool isPaused_ = false;
    int projectIndex_ = 0;
    int categoryIndex_ = 0;
    int clientIndex_ = 0;
    float ownRate_ = kNoOwnRate;
    int mark_ = 0;
    float expense_ = 0.0f;
    RecordLock lock_;
};

}  // namespace tw
