#include "doc/time_rec.h"

#include "framework/platform.h"

namespace tw {

TW_IMPLEMENT_SERIAL_OWN_CREATE(CTimeRec, 1)

namespace {

std::string CutNotes(std::string_view notes) {
    return std::string(notes.substr(0, CTimeRec::kMaxNotes));
}

// A rate below zero, or one that is not a number, means "no own rate".
float NormalOwnRate(float rate) { return rate >= 0.0f ? rate : CTimeRec::kNoOwnRate; }

}  // namespace

CTimeRec::CTimeRec() : start_(Platform().clock->Now()), stop_(start_), pauseBegan_(start_) {}

CTimeRec::CTimeRec(CalTime t) : start_(t), stop_(t), pauseBegan_(t), running_(true) {}

std::unique_ptr<CObject> CTimeRec::CreateObject() {
    auto rec = std::make_unique<CTimeRec>(0);
    rec->running_ = false;
    return rec;
}

CTimeRec::CTimeRec(const CTimeRec& other) : CObject(other) { CopyFields(other); }

CTimeRec& CTimeRec::operator=(const CTimeRec& other) {
    CopyFrom(other);
    return *this;
}

int CTimeRec::CopyFrom(const CTimeRec& other) {
    if (&other == this) return kOk;
    RecordLockGuard guard(lock_);
    if (!guard.Owns()) return kLockFailed;
    CopyFields(other);
    return kOk;
}

void CTimeRec::CopyFields(const CTimeRec& other) {
    StoreAdjusted(other.AdjustValues());
    notes_ = other.notes_;
    running_ = other.running_;
    isPaused_ = other.isPaused_;
    projectIndex_ = other.projectIndex_;
    categoryIndex_ = other.categoryIndex_;
    clientIndex_ = other.clientIndex_;
    ownRate_ = other.ownRate_;
    mark_ = other.mark_;
    expense_ = other.expense_;
}

bool CTimeRec::IsConsistent() const {
    const TimeRange range = ValidTimeRange();
    const int64_t span = static_cast<int64_t>(stop_) - start_ - paused_;
    return range.Contains(start_) && range.Contains(stop_) && elapsed_ >= 0 && paused_ >= 0 &&
           elapsed_ == span;
}

// Runs `change` under the record's lock; the status says whether it ran.
template <typename Change>
static int Locked(RecordLock& lock, Change change) {
    return RunLocked(lock, change) ? CTimeRec::kOk : CTimeRec::kLockFailed;
}

int CTimeRec::SetNotes(std::string_view notes) {
    return Locked(lock_, [&] { notes_ = CutNotes(notes); });
}

int CTimeRec::SetOwnRate(float rate) {
    return Locked(lock_, [&] { ownRate_ = NormalOwnRate(rate); });
}

int CTimeRec::SetExpense(float amount) {
    return Locked(lock_, [&] { expense_ = amount; });
}

int CTimeRec::SetProjectIndex(int index) {
    return Locked(lock_, [&] { projectIndex_ = index; });
}

int CTimeRec::SetCategoryIndex(int index) {
    return Locked(lock_, [&] { categoryIndex_ = index; });
}

int CTimeRec::SetClientIndex(int index) {
    return Locked(lock_, [&] { clientIndex_ = index; });
}

int CTimeRec::SetMark(int mark) {
    return Locked(lock_, [&] { mark_ = mark; });
}

TimeAdjustValues CTimeRec::AdjustValues() const {
    return {running_, start_, stop_, elapsed_, paused_, isPaused_, pauseBegan_, pausedBefore_};
}

void CTimeRec::StoreAdjusted(const TimeAdjustValues& v) {
    start_ = v.start;
    stop_ = v.stop;
    elapsed_ = v.elapsed;
    paused_ = v.paused;
    pauseBegan_ = v.pauseBegan;
    pausedBefore_ = v.pausedBefore;
}

// Under the lock: the edited time replaces the record's own, `adjust` makes the others agree.
int CTimeRec::EditTime(int32_t TimeAdjustValues::*field, int32_t value, AdjustRoutine adjust,
                       RecalcTarget target, bool wholeMinutes) {
    return Locked(lock_, [&] {
        TimeAdjustValues v = AdjustValues();
        v.*field = value;
        adjust(v, target, wholeMinutes);
        StoreAdjusted(v);
    });
}

int CTimeRec::SetStart(CalTime t, RecalcTarget target, bool wholeMinutes) {
    return EditTime(&TimeAdjustValues::start, t, AdjustAfterStartEdit, target, wholeMinutes);
}

int CTimeRec::SetStop(CalTime t, RecalcTarget target, bool wholeMinutes) {
    return EditTime(&TimeAdjustValues::stop, t, AdjustAfterStopEdit, target, wholeMinutes);
}

int CTimeRec::SetElapsed(Duration d, RecalcTarget target, bool wholeMinutes) {
    return EditTime(&TimeAdjustValues::elapsed, d, AdjustAfterElapsedEdit, target, wholeMinutes);
}

int CTimeRec::SetPaused(Duration d, RecalcTarget target, bool wholeMinutes) {
    return EditTime(&TimeAdjustValues::paused, d, AdjustAfterPausedEdit, target, wholeMinutes);
}

int CTimeRec::SetAll(const TimeRecValues& values) {
    return Locked(lock_, [&] {
        TimeAdjustValues v{running_,      values.start, values.stop,       values.elapsed,
                           values.paused, isPaused_,    values.pauseBegan, values.pausedBefore};
        AdjustTimes(v, values.target, values.wholeMinutes);
        StoreAdjusted(v);
        projectIndex_ = values.projectIndex;
        categoryIndex_ = values.categoryIndex;
        clientIndex_ = values.clientIndex;
        ownRate_ = NormalOwnRate(values.ownRate);
        expense_ = values.expense;
        mark_ = values.mark;
        notes_ = CutNotes(values.notes);
    });
}

}  // namespace tw
