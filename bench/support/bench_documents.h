#pragma once
// Documents of many records for the benchmarks: five projects, one record an hour from a fixed
// Monday, half an hour and a little more each, 40 characters of notes, every third one marked.

#include <memory>

#include "doc/document.h"

namespace tw::bench {

constexpr CalTime kBenchStart = 1793610000;  // 2026-11-02 09:00 UTC

std::unique_ptr<CWorkmetrDoc> MakeDocument(int records);

}  // namespace tw::bench
