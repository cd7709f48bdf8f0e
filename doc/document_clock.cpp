// CWorkmetrDoc: the record list, new-record defaults and the active record's clock.

#include <new>
#include <utility>

#include "framework/platform.h"
#include "doc/document.h"
#include "doc/document_observer.h"

namespace tw {

CTimeRec* CWorkmetrDoc::GetRecord(int position) {
    if (position < 0 || position >= GetRecordCount()) return nullptr;
    return content_.records[static_cast<size_t>(position)].get();
}

const CTimeRec* CWorkmetrDoc::GetRecord(int position) const {
    if (position < 0 || position >= GetRecordCount()) return nullptr;
    return content_.records[static_cast<size_t>(position)].get();
}

void CWorkmetrDoc::ClearActive() {
    active_ = -1;
    stopped_ = true;
    paused_ = false;
}

int CWorkmetrDoc::ValidIndexOrZero(int type, int index) const {
    return IsValidItemIndex(type, index) ? index : 0;
}

void CWorkmetrDoc::ApplyNewRecordDefaults(CTimeRec& record) const {
    const RecordDefaults& d = content_.settings.defaults;
    int mark = d.mark, project = d.project, category = d.category, client = d.client;
    if (!d.useDefinedItems) {
        const CTimeRec* last = GetRecord(lastActive_);
        const CTimeRec& from = last != nullptr ? *last : content_.templateRecord;
        mark = from.GetMark();
        project = from.GetProjectIndex();
        category = from.GetCategoryIndex();
        client = from.GetClientIndex();
    }
    record.SetMark(mark);
    record.SetProjectIndex(ValidIndexOrZero(kProjectList, project));
    record.SetCategoryIndex(ValidIndexOrZero(kCategoryList, category));
    record.SetClientIndex(ValidIndexOrZero(kClientList, client));
}

CTimeRec* CWorkmetrDoc::PlaceRecord(std::unique_ptr<CTimeRec> record, int before) {
    if (!record) return nullptr;
    const bool append = before < 0 || before >= GetRecordCount();
    CTimeRec* placed = record.get();
    try {
        if (append)
            content_.records.push_back(std::move(record));
        else
            content_.records.insert(content_.records.begin() + before, std::move(record));
    } catch (const std::bad_alloc&) {
        return nullptr;  // the list is as it was
    }
    if (!append) {
        if (active_ >= before) ++active_;
        if (lastActive_ >= before) ++lastActive_;
    }
    Changed();
    if (view_ != nullptr) view_->RowsChanged();
    return placed;
}

CTimeRec* CWorkmetrDoc::StartNewRecord() {
    if (active_ >= 0) {
        stopped_ = false;
        return nullptr;
    }
    std::unique_ptr<CTimeRec> record(new (std::nothrow) CTimeRec(Platform().clock->Now()));
    if (!record) return nullptr;
    ApplyNewRecordDefaults(*record);
    CTimeRec* added = PlaceRecord(std::move(record), -1);
    if (added == nullptr) return nullptr;
    active_ = lastActive_ = GetRecordCount() - 1;
    stopped_ = paused_ = false;
    formats_.ResetShownMinutes();
    return added;
}

CTimeRec* CWorkmetrDoc::AddRecord() {
    std::unique_ptr<CTimeRec> record(new (std::nothrow) CTimeRec());
    if (record) ApplyNewRecordDefaults(*record);
    return PlaceRecord(std::move(record), -1);
}

CTimeRec* CWorkmetrDoc::InsertRecordCopy(const CTimeRec& source, int before) {
    return PlaceRecord(std::unique_ptr<CTimeRec>(new (std::nothrow) CTimeRec(source)), before);
}

void CWorkmetrDoc::RemoveRecord(int position) {
    if (GetRecord(position) == nullptr) return;
    if (position == active_) StopActiveRecord();
    if (position == active_) ClearActive();  // the stop failed; the record goes all the same
    content_.templateRecord = *content_.records[static_cast<size_t>(position)];
    content_.records.erase(content_.records.begin() + position);
    if (active_ > position) --active_;
    lastActive_ = -1;
    Changed();
    if (view_ != nullptr) {
        view_->RowsChanged();
        view_->TotalsChanged();
    }
}

void CWorkmetrDoc::RemoveRecords(const std::vector<int>& positions) {
    std::vector<bool> doomed(content_.records.size(), false);
    int last = -1;
    for (int position : positions) {
        if (GetRecord(position) == nullptr) continue;
        doomed[static_cast<size_t>(position)] = true;
        last = position;
    }
    if (last < 0) return;
    if (active_ >= 0 && doomed[static_cast<size_t>(active_)]) {
        StopActiveRecord();
        if (active_ >= 0 && doomed[static_cast<size_t>(active_)]) ClearActive();
    }
    content_.templateRecord = *content_.records[static_cast<size_t>(last)];
    size_t kept = 0;
    int activeAfter = -1;
    for (size_t i = 0; i < content_.records.size(); ++i) {
        if (doomed[i]) continue;
        if (static_cast<int>(i) == active_) activeAfter = static_cast<int>(kept);
        content_.records[kept++] = std::move(content_.records[i]);
    }
    content_.records.resize(kept);
    if (active_ >= 0) active_ = activeAfter;
    lastActive_ = -1;
    Changed();
    if (view_ != nullptr) {
        view_->RowsChanged();
        view_->TotalsChanged();
    }
}

bool CWorkmetrDoc::IsRecordRunning(int row) const {
    const CTimeRec* record = GetRecord(row);
    return record != nullptr && record->IsRunning();
}

bool CWorkmetrDoc::SetRecordValues(int row, const TimeRecValues& values) {
    CTimeRec* record = GetRecord(row);
    if (record == nullptr) return false;
    TimeRecValues v = values;
    v.wholeMinutes = WholeMinutes();
    v.target = app_ != nullptr ? app_->EditTimeTarget() : values.target;
    if (record->SetAll(v) != CTimeRec::kOk) return false;
    RecordEdited(row);
    return true;
}

void CWorkmetrDoc::RecordEdited(int position) {
    Changed();
    if (view_ != nullptr) {
        view_->RecordChanged(position);
        view_->TotalsChanged();
    }
}

CTimeRec* CWorkmetrDoc::RestartRecord(int position) {
    if (active_ >= 0) {
        stopped_ = false;
        return nullptr;
    }
    CTimeRec* record = GetRecord(position);
    if (record == nullptr || record->StartTiming() != CTimeRec::kOk) return nullptr;
    active_ = lastActive_ = position;
    formats_.ResetShownMinutes();
    stopped_ = paused_ = false;
    RecordEdited(position);
    return record;
}

CTimeRec* CWorkmetrDoc::ActiveRecordOrIdle() {
    CTimeRec* record = GetRecord(active_);
    if (record == nullptr) ClearActive();
    return record;
}

CTimeRec* CWorkmetrDoc::StopActiveRecord() {
    CTimeRec* record = ActiveRecordOrIdle();
    if (record == nullptr) return nullptr;
    if (record->IsPaused() && record->ResumeTiming() != CTimeRec::kOk) return nullptr;
    if (record->StopTiming() == CTimeRec::kLockFailed) return nullptr;
    const int position = active_;
    ClearActive();
    RecordEdited(position);
    return record;
}

void CWorkmetrDoc::PauseActiveRecord() {
    CTimeRec* record = ActiveRecordOrIdle();
    if (record == nullptr || record->PauseTiming() != CTimeRec::kOk) return;
    paused_ = true;
    RecordEdited(active_);
}

CTimeRec* CWorkmetrDoc::ResumeActiveRecord() {
    CTimeRec* record = GetRecord(active_);
    if (record == nullptr || record->ResumeTiming() != CTimeRec::kOk) return nullptr;
    paused_ = false;
    RecordEdited(active_);
    return record;
}

CTimeRec* CWorkmetrDoc::TickActiveRecord() {
    CTimeRec* record = ActiveRecordOrIdle();
    if (record == nullptr || record->UpdateTiming() != CTimeRec::kOk) return nullptr;
    Changed();
    return record;
}

bool CWorkmetrDoc::MinuteChanged(Duration elapsed, bool exact) {
    return formats_.MinuteChanged(elapsed, exact);
}

}  // namespace tw
