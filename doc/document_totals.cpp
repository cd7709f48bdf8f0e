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

// Summed in 64 bits: a large document's total can pass the 32-bit range, and then shows
// the largest duration rather than a wrapped (negative) one.
Duration CWorkmetrDoc::SumRounded(bool markedOnly) const {
    const TimeDisplaySettings& display = content_.settings.timeDisplay;
    int64_t total = 0;
    for (const auto& record : content_.records)
        if (!markedOnly || record->GetMark() != 0)
            total += tw::RoundDuration(record->GetElapsed(), false, display);
    return total > INT32_MAX ? INT32_MAX : static_cast<Duration>(total);
}

float CWorkmetrDoc::SumCharges(bool markedOnly) const {
    const TimeDisplaySettings& display = content_.settings.timeDisplay;
    float total = 0.0f;
    for (const auto& record : content_.records)
        if (!markedOnly || record->GetMark() != 0)
            total += tw::ComputeCharge(record->GetElapsed(), EffectiveRate(*record), display);
    return total;
}

float CWorkmetrDoc::SumExpenses(bool markedOnly) const {
    float total = 0.0f;
    for (const auto& record : content_.records)
        if (!markedOnly || record->GetMark() != 0) total += record->GetExpense();
    return total;
}

Duration CWorkmetrDoc::TotalAllTime() { return totalAllTime_ = SumRounded(false); }

Duration CWorkmetrDoc::TotalMarkedTime() { return totalMarkedTime_ = SumRounded(true); }

float CWorkmetrDoc::TotalAllCharge() const { return SumCharges(false); }

float CWorkmetrDoc::TotalMarkedCharge() const { return SumCharges(true); }

float CWorkmetrDoc::TotalAllExpense() const { return SumExpenses(false); }

float CWorkmetrDoc::TotalMarkedExpense() const { return SumExpenses(true); }

}  // namespace tw
