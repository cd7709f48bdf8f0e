#pragma once
// The row record of one time record, as the time table hands it to the grid.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "framework/cal_time.h"
#include "view/grid_interface.h"

namespace tw {

class CDisplayFormats;
class CTimeRec;
class CWorkmetrDoc;

// Money texts remembered over one pass through many rows (filling the table): rates, charges
// and expenses repeat, and the system's currency formatter is slow. Keep one only as long as
// the formats cannot change.
class MoneyTextMemo {
public:
    const std::string& Text(const CDisplayFormats& formats, float amount);

private:
    static constexpr size_t kMaxTexts = 65536;
    std::unordered_map<uint32_t, std::string> texts_;  // by the amount's bits
};

// The row of `record` with key `key`: packed start and stop dates and times, elapsed and paused
// durations by the document's display increment, effective rate, charge, the three item texts
// (only for valid indexes, cut to 63 characters), expense, mark and notes.
// `memo`, when given, supplies the money texts.
grid::TimeTableRow BuildRow(const CWorkmetrDoc& doc, const CTimeRec& record, int key,
                            MoneyTextMemo* memo = nullptr);

}  // namespace tw
