#pragma once
// Documents of many records for the benchmarks: five projects at $10 to $50 an hour and
// `records` stopped records of 30 minutes and more with 40-character notes, every third one
// marked, started one hour apart from a fixed Monday and starting again after `hours` hours
// (0: never).

#include <memory>

#include "doc/document.h"

namespace tw::bench {

constexpr CalTime kBenchStart = 1793610000;  // 2026-11-02 09:00 UTC

std::unique_ptr<CWorkmetrDoc> MakeDocument(int records, int hours = 0);

}  // namespace tw::bench
