// The record's body in document files, and its repair after reading.
//
// Body (current layout): I32 start, I32 stop, I32 paused, STR notes, U16 project, U16 category,
// U16 client, U16 mark, F32 own rate, F32 expense. Files of version index 8 and 9 end before
// the expense; those of index 0 to 7 after the notes.

#include <algorithm>

#include "doc/time_adjust_steps.h"
#include "doc/time_rec.h"
#include "framework/archive.h"

namespace tw {

namespace {

constexpr int kFirstVersionWithItems = 8;     // indices, mark and own rate stored
constexpr int kFirstVersionWithExpense = 10;  // expense stored as well

uint16_t Low16(int v) { return static_cast<uint16_t>(v & 0xFFFF); }

}  // namespace

void CTimeRec::Serialize(CArchive& ar) {
    RecordLockGuard guard(lock_);
    if (!guard.Owns())
        throw CArchiveException(CArchiveException::Cause::kGeneric, "time record is locked");
    if (ar.IsStoring()) {
        StoreBody(ar);
    } else {
        LoadBody(ar);
        RepairAfterLoad();
    }
}

void CTimeRec::StoreBody(CArchive& ar) const {
    ar.WriteI32(start_);
    ar.WriteI32(stop_);
    ar.WriteI32(paused_);
    ar.WriteString(notes_);
    ar.WriteU16(Low16(projectIndex_));
    ar.WriteU16(Low16(categoryIndex_));
    ar.WriteU16(Low16(clientIndex_));
    ar.WriteU16(Low16(mark_));
    ar.WriteF32(ownRate_);
    ar.WriteF32(expense_);
}

void CTimeRec::LoadBody(CArchive& ar) {
    const int version = ar.Context().versionIndex;
    start_ = ar.ReadI32();
    stop_ = ar.ReadI32();
    paused_ = ar.ReadI32();
    notes_ = ar.ReadString();
    if (notes_.size() > kMaxNotes) notes_.resize(kMaxNotes);
    projectIndex_ = categoryIndex_ = clientIndex_ = mark_ = 0;
    ownRate_ = ar.Context().oldFileRate;
    expense_ = 0.0f;
    if (version >= kFirstVersionWithItems) {
        projectIndex_ = ar.ReadU16();
        categoryIndex_ = ar.ReadU16();
        clientIndex_ = ar.ReadU16();
        mark_ = ar.ReadU16();
        ownRate_ = ar.ReadF32();
    }
    if (version >= kFirstVersionWithExpense) expense_ = ar.ReadF32();
    if (!(ownRate_ >= 0.0f)) ownRate_ = kNoOwnRate;
}

void CTimeRec::RepairAfterLoad() {
    running_ = false;
    isPaused_ = false;
    elapsed_ = SaturateToInt32(static_cast<int64_t>(stop_) - start_ - paused_);
    if (IsConsistent()) return;
    if (elapsed_ < 0) elapsed_ = 0;
    if (paused_ < 0) paused_ = 0;
    const TimeRange range = ValidTimeRange();
    start_ = std::clamp(start_, range.first, range.last);
    stop_ = std::clamp(stop_, range.first, range.last);
    if (stop_ < start_) start_ = stop_;
    if (static_cast<int64_t>(stop_) - start_ - paused_ < 0) paused_ = stop_ - start_;
    elapsed_ = stop_ - start_ - paused_;
}

}  // namespace tw
