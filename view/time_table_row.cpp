#include "view/time_table_row.h"

#include <string>

#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/local_time.h"

namespace tw {

namespace {

int ItemIndexOf(const CTimeRec& record, int type) {
    switch (type) {
        case kProjectList: return record.GetProjectIndex();
        case kCategoryList: return record.GetCategoryIndex();
        default: return record.GetClientIndex();
    }
}

// The item's display text, or an empty field when the record's index is not valid.
void PutItemText(char (&field)[64], const CWorkmetrDoc& doc, const CTimeRec& record, int type) {
    std::string text;
    if (doc.GetItemDisplayText(type, ItemIndexOf(record, type), text)) {
        grid::SetRowText(field, text.c_str());
    } else {
        grid::SetRowText(field, "");
    }
}

}  // namespace

uint16_t PackedDateOf(CalTime t) {
    const LocalParts p = SplitLocalTime(t);
    return grid::PackDosDate(p.year, p.month, p.day);
}

uint16_t PackedTimeOf(CalTime t) {
    const LocalParts p = SplitLocalTime(t);
    return grid::PackDosTime(p.hour, p.minute, p.second);
}

grid::TimeTableRow BuildRow(const CWorkmetrDoc& doc, const CTimeRec& record, int key) {
    const CDisplayFormats& formats = doc.Formats();
    const float rate = doc.EffectiveRate(record);
    grid::TimeTableRow row = {};
    row.position = key;
    row.startDate = PackedDateOf(record.GetStart());
    row.startTime = PackedTimeOf(record.GetStart());
    row.stopDate = PackedDateOf(record.GetStop());
    row.stopTime = PackedTimeOf(record.GetStop());
    grid::SetRowText(row.elapsedTime, formats.FormatDuration(record.GetElapsed(), false).c_str());
    grid::SetRowText(row.pausedTime, formats.FormatDuration(record.GetPaused(), false).c_str());
    grid::SetRowText(row.hourlyRate, formats.FormatMoney(rate).c_str());
    grid::SetRowText(row.charge, formats.FormatCharge(record.GetElapsed(), rate).c_str());
    PutItemText(row.project, doc, record, kProjectList);
    PutItemText(row.category, doc, record, kCategoryList);
    PutItemText(row.client, doc, record, kClientList);
    grid::SetRowText(row.expense, formats.FormatMoney(record.GetExpense()).c_str());
    row.mark = record.GetMark();
    grid::SetRowText(row.notes, record.GetNotes().c_str());
    return row;
}

}  // namespace tw
