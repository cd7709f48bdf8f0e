#include "view/time_table_row.h"

#include <cstring>
#include <string>

#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/local_time.h"

namespace tw {

namespace {

// The item's display text, or an empty field when the record's index is not valid.
void PutItemText(char (&field)[64], const CWorkmetrDoc& doc, const CTimeRec& record, int type) {
    std::string text;
    if (doc.GetItemDisplayText(type, record.GetItemIndex(type), text)) {
        grid::SetRowText(field, text.c_str());
    } else {
        grid::SetRowText(field, "");
    }
}

std::string MoneyText(const CDisplayFormats& formats, float amount, MoneyTextMemo* memo) {
    return memo != nullptr ? memo->Text(formats, amount) : formats.FormatMoney(amount);
}

}  // namespace

const std::string& MoneyTextMemo::Text(const CDisplayFormats& formats, float amount) {
    uint32_t bits;
    std::memcpy(&bits, &amount, sizeof bits);
    auto found = texts_.find(bits);
    if (found != texts_.end()) return found->second;
    if (texts_.size() >= kMaxTexts) texts_.clear();
    return texts_.emplace(bits, formats.FormatMoney(amount)).first->second;
}

grid::TimeTableRow BuildRow(const CWorkmetrDoc& doc, const CTimeRec& record, int key,
                            MoneyTextMemo* memo) {
    const CDisplayFormats& formats = doc.Formats();
    const float rate = doc.EffectiveRate(record);
    grid::TimeTableRow row = {};
    row.position = key;
    const LocalParts start = SplitLocalTime(record.GetStart());
    const LocalParts stop = SplitLocalTime(record.GetStop());
    row.startDate = grid::PackDosDate(start.year, start.month, start.day);
    row.startTime = grid::PackDosTime(start.hour, start.minute, start.second);
    row.stopDate = grid::PackDosDate(stop.year, stop.month, stop.day);
    row.stopTime = grid::PackDosTime(stop.hour, stop.minute, stop.second);
    grid::SetRowText(row.elapsedTime, formats.FormatDuration(record.GetElapsed(), false).c_str());
    grid::SetRowText(row.pausedTime, formats.FormatDuration(record.GetPaused(), false).c_str());
    grid::SetRowText(row.hourlyRate, MoneyText(formats, rate, memo).c_str());
    const float charge = formats.ComputeCharge(record.GetElapsed(), rate);
    grid::SetRowText(row.charge, MoneyText(formats, charge, memo).c_str());
    PutItemText(row.project, doc, record, kProjectList);
    PutItemText(row.category, doc, record, kCategoryList);
    PutItemText(row.client, doc, record, kClientList);
    grid::SetRowText(row.expense, MoneyText(formats, record.GetExpense(), memo).c_str());
    row.mark = record.GetMark();
    grid::SetRowText(row.notes, record.GetNotes().c_str());
    return row;
}

}  // namespace tw
