// CWorkmetrDoc: edits of one table cell.

#include "doc/date_time_check.h"
#include "doc/document.h"
#include "doc/document_observer.h"
#include "framework/local_time.h"

namespace tw {

namespace {

bool IsStartColumn(int column) { return column == kColStartDate || column == kColStartTime; }

bool IsItemColumn(int column) {
    return column == kColProject || column == kColCategory || column == kColClient;
}

// The general preference target when there is no application (tools and tests).
RecalcTarget DefaultTarget(int column) {
    return (column == kColElapsed || column == kColPaused) ? RecalcTarget::kStop
                                                           : RecalcTarget::kElapsed;
}

}  // namespace

RecalcTarget CWorkmetrDoc::CellTarget(int column) const {
    return app_ != nullptr ? app_->CellEditTarget(column) : DefaultTarget(column);
}

// The record's start or stop, split, changed by `change` and stored back.
template <class ChangeParts>
bool CWorkmetrDoc::EditDateTimeCell(int row, int column, ChangeParts change) {
    const CTimeRec* record = GetRecord(row);
    if (record == nullptr) return false;
    LocalParts p = SplitLocalTime(IsStartColumn(column) ? record->GetStart() : record->GetStop());
    change(p);
    return EditTimePart(row, column, p);
}

bool CWorkmetrDoc::EditDateCell(int row, int column, int year, int month, int day) {
    if (column != kColStartDate && column != kColStopDate) return false;
    return EditDateTimeCell(row, column, [&](LocalParts& p) {
        p.year = year;
        p.month = month;
        p.day = day;
    });
}

bool CWorkmetrDoc::EditTimeCell(int row, int column, int hour, int minute, int second) {
    if (column != kColStartTime && column != kColStopTime) return false;
    return EditDateTimeCell(row, column, [&](LocalParts& p) {
        p.hour = hour;
        p.minute = minute;
        p.second = second;
    });
}

// Checks the combined date and time and stores it as the record's start or stop.
bool CWorkmetrDoc::EditTimePart(int row, int column, const LocalParts& p) {
    CTimeRec& record = *GetRecord(row);
    if (!ValidateDateTimeParts(p.year, p.month, p.day, p.hour, p.minute, p.second)) {
        if (view_ != nullptr) view_->RecordChanged(row);
        return false;
    }
    const CalTime t = MakeLocalTime(p);
    const int status = IsStartColumn(column)
                           ? record.SetStart(t, CellTarget(column), WholeMinutes())
                           : record.SetStop(t, CellTarget(column), WholeMinutes());
    return Finish(row, status == CTimeRec::kOk);
}

bool CWorkmetrDoc::Finish(int row, bool changed) {
    if (changed)
        RecordEdited(row);
    else if (view_ != nullptr)
        view_->RecordChanged(row);
    return changed;
}

bool CWorkmetrDoc::EditDurationCell(int row, int column, const std::string& text) {
    CTimeRec& record = *GetRecord(row);
    Duration d = 0;
    if (!formats_.ParseDuration(text, content_.settings.timeDisplay.decimalNotation, d))
        return Finish(row, false);
    const int status = column == kColElapsed
                           ? record.SetElapsed(d, CellTarget(column), WholeMinutes())
                           : record.SetPaused(d, CellTarget(column), WholeMinutes());
    return Finish(row, status == CTimeRec::kOk);
}

bool CWorkmetrDoc::EditTextCell(int row, int column, const std::string& text) {
    CTimeRec* record = GetRecord(row);
    if (record == nullptr) return false;
    if (IsItemColumn(column)) return BookRecordByName(row, column - kColProject, text);
    switch (column) {
        case kColElapsed:
        case kColPaused: return EditDurationCell(row, column, text);
        case kColHourlyRate:
            return Finish(row, record->SetOwnRate(formats_.ParseMoney(text)) == CTimeRec::kOk);
        case kColExpense:
            return Finish(row, record->SetExpense(formats_.ParseMoney(text)) == CTimeRec::kOk);
        case kColNotes: return Finish(row, record->SetNotes(text) == CTimeRec::kOk);
        default: return false;
    }
}

bool CWorkmetrDoc::EditMarkCell(int row, int mark) {
    CTimeRec* record = GetRecord(row);
    if (record == nullptr) return false;
    return Finish(row, record->SetMark(mark) == CTimeRec::kOk);
}

}  // namespace tw
