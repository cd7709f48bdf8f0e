#include "view/totals_texts.h"

#include "doc/document.h"
#include "doc/time_rec.h"

namespace tw {

namespace {

constexpr const char* kBlank = " ";
constexpr int kAllRecords = 1;
constexpr int kMarkedRecords = 2;

// The running or paused record, or null while idle.
const CTimeRec* ActiveRecordOf(const CWorkmetrDoc& doc) {
    return doc.IsStopped() ? nullptr : doc.GetRecord(doc.GetActiveRecord());
}

}  // namespace

std::string TotalTimeText(CWorkmetrDoc& doc) {
    const CDisplayFormats& f = doc.Formats();
    switch (doc.GetTotalsMode()) {
        case kAllRecords: return f.FormatDuration(doc.TotalAllTime(), false);
        case kMarkedRecords: return f.FormatDuration(doc.TotalMarkedTime(), false);
        default: return ActiveElapsedText(doc);
    }
}

std::string ActiveElapsedText(const CWorkmetrDoc& doc) {
    const CTimeRec* active = ActiveRecordOf(doc);
    return active ? doc.Formats().FormatDuration(active->GetElapsed(), false) : kBlank;
}

TotalsTexts TotalsTextsOf(CWorkmetrDoc& doc) {
    const CDisplayFormats& f = doc.Formats();
    switch (doc.GetTotalsMode()) {
        case kAllRecords:
            return {TotalTimeText(doc), f.FormatMoney(doc.TotalAllCharge()),
                    f.FormatMoney(doc.TotalAllExpense())};
        case kMarkedRecords:
            return {TotalTimeText(doc), f.FormatMoney(doc.TotalMarkedCharge()),
                    f.FormatMoney(doc.TotalMarkedExpense())};
        default: break;
    }
    const CTimeRec* active = ActiveRecordOf(doc);
    if (active == nullptr) return {kBlank, kBlank, kBlank};
    return {ActiveElapsedText(doc),
            f.FormatCharge(active->GetElapsed(), doc.EffectiveRate(*active)),
            f.FormatMoney(active->GetExpense())};
}

}  // namespace tw
