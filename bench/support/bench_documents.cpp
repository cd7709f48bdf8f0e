#include "bench/support/bench_documents.h"

#include <string>

#include "doc/project_cost.h"
#include "doc/time_rec.h"

namespace tw::bench {

std::unique_ptr<CWorkmetrDoc> MakeDocument(int records, int hours) {
    if (hours <= 0) hours = records > 0 ? records : 1;
    auto doc = std::make_unique<CWorkmetrDoc>();
    doc->EnsureBlankItems();
    for (int i = 1; i <= 5; ++i)
        doc->AddItem(kProjectList, CProjectCost("Project " + std::to_string(i), 10.0f * i));
    const std::string notes = "Forty characters of notes for the bench.";
    for (int i = 0; i < records; ++i) {
        CTimeRec* r = doc->AddRecord();
        const CalTime start = kBenchStart + static_cast<CalTime>(i % hours) * 3600;
        r->SetStart(start, RecalcTarget::kElapsed, false);
        r->SetStop(start + 1800 + (i % 97) * 7, RecalcTarget::kElapsed, false);
        r->SetNotes(notes);
        r->SetProjectIndex(1 + i % 5);
        r->SetMark(i % 3 == 0);
    }
    return doc;
}

}  // namespace tw::bench
