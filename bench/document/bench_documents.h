#pragma once
// The documents the benchmarks work on: five projects at $10 to $50 an hour and `records`
// stopped records of 30 minutes and more with 40-character notes, every third one marked,
// started one hour apart and starting again after `hours` hours.

#include <memory>
#include <string>

#include "doc/document.h"
#include "doc/project_cost.h"

namespace tw::bench {

constexpr CalTime kBenchStart = 1793610000;  // 2026-11-02 09:00 UTC

inline std::unique_ptr<CWorkmetrDoc> MakeBenchDocument(int records, int hours) {
    auto doc = std::make_unique<CWorkmetrDoc>();
    doc->EnsureBlankItems();
    for (int i = 1; i <= 5; ++i)
        doc->AddItem(kProjectList, CProjectCost("Project " + std::to_string(i), 10.0f * i));
    const std::string notes = "Forty characters of notes for the bench.";
    for (int i = 0; i < records; ++i) {
        CTimeRec* r = doc->AddRecord();
        const CalTime start = kBenchStart + (i % hours) * 3600;
        r->SetStart(start, RecalcTarget::kElapsed, false);
        r->SetStop(start + 1800 + (i % 97) * 7, RecalcTarget::kElapsed, false);
        r->SetNotes(notes);
        r->SetProjectIndex(1 + i % 5);
        r->SetMark(i % 3 == 0);
    }
    return doc;
}

}  // namespace tw::bench
