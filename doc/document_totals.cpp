// CWorkmetrDoc: effective rates, charges and the six totals.

#include <cstdint>

#include "doc/document.h"
#include "doc/project_cost.h"

namespace tw {

float CWorkmetrDoc::EffectiveRate(const CTimeRec& record) const {
    if (record.GetOwnRate() != CTimeRec::kNoOwnRate) return record.GetOwnRate();
    const int source = content_.settings.rates.rateSource;
    int index = 0;
    if (source == kProjectList)
        index = record.GetProjectIndex();
    else if (source == kCategoryList)
        index = record.GetCategoryIndex();
    else if (source == kClientList)
        index = record.GetClientIndex();
    else
        return 0.0f;
    if (!IsValidItemIndex(source, index)) return 0.0f;
    return content_.lists[source][static_cast<size_t>(index)]->GetRate();
}

Duration CWorkmetrDoc::RoundDuration(Duration duration, bool exact) const {
    return formats_.RoundDuration(duration, exact);
}

float CWorkmetrDoc::ComputeCharge(Duration elapsed, float rate) const {
    return formats_.ComputeCharge(elapsed, rate);
}

// Time summed in 64 bits: a large document's total can pass the 32-bit range, and then shows
// the largest duration rather than a wrapped (negative) one. Charges are summed in single
// precision, each rounded by its own duration.
RecordTotals CWorkmetrDoc::TotalsOf(const std::function<bool(const CTimeRec&)>& include) const {
    const TimeDisplaySettings& display = content_.settings.timeDisplay;
    RecordTotals totals;
    int64_t time = 0;
    for (const auto& record : content_.records) {
        if (!include(*record)) continue;
        ++totals.count;
        time += tw::RoundDuration(record->GetElapsed(), false, display);
        totals.charge += tw::ComputeCharge(record->GetElapsed(), EffectiveRate(*record), display);
        totals.expense += record->GetExpense();
    }
    totals.time = time > INT32_MAX ? INT32_MAX : static_cast<Duration>(time);
    return totals;
}

RecordTotals CWorkmetrDoc::TotalsOfAll(bool markedOnly) const {
    return TotalsOf([markedOnly](const CTimeRec& r) { return !markedOnly || r.GetMark() != 0; });
}

Duration CWorkmetrDoc::TotalAllTime() { return totalAllTime_ = TotalsOfAll(false).time; }

Duration CWorkmetrDoc::TotalMarkedTime() { return totalMarkedTime_ = TotalsOfAll(true).time; }

float CWorkmetrDoc::TotalAllCharge() const { return TotalsOfAll(false).charge; }

float CWorkmetrDoc::TotalMarkedCharge() const { return TotalsOfAll(true).charge; }

float CWorkmetrDoc::TotalAllExpense() const { return TotalsOfAll(false).expense; }

float CWorkmetrDoc::TotalMarkedExpense() const { return TotalsOfAll(true).expense; }

}  // namespace tw
