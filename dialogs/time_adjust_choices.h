#pragma once
// The four lists of the Time Adjust preferences: for each time a user edits in a cell (start,
// stop, elapsed, paused), the value the program adjusts to keep the record consistent. Each
// list offers the three other values in a fixed order.

#include <array>

#include "doc/time_adjust.h"

namespace tw {

// The rows of the page, in page order.
enum AdjustRow : int { kAdjustStart = 0, kAdjustStop, kAdjustElapsed, kAdjustPaused };
constexpr int kAdjustRowCount = 4;
constexpr int kAdjustEntryCount = 3;

using AdjustEntries = std::array<RecalcTarget, kAdjustEntryCount>;
using AdjustChoices = std::array<RecalcTarget, kAdjustRowCount>;

// The entries of a row's list in list order; the start row's for a row out of range.
const AdjustEntries& AdjustEntriesOf(int row);
// The list position of `value` in the row's list, or -1 when the list does not offer it.
int AdjustEntryIndex(int row, RecalcTarget value);
// The choices "Restore Defaults" gives: Stop for the elapsed row, Elapsed for the others.
AdjustChoices DefaultAdjustChoices();

}  // namespace tw
