#include "dialogs/time_adjust_choices.h"

namespace tw {

namespace {

const AdjustEntries kEntries[kAdjustRowCount] = {
    {RecalcTarget::kPaused, RecalcTarget::kStop, RecalcTarget::kElapsed},
    {RecalcTarget::kPaused, RecalcTarget::kStart, RecalcTarget::kElapsed},
    {RecalcTarget::kStart, RecalcTarget::kStop, RecalcTarget::kPaused},
    {RecalcTarget::kStart, RecalcTarget::kStop, RecalcTarget::kElapsed},
};

}  // namespace

const AdjustEntries& AdjustEntriesOf(int row) {
    return row >= 0 && row < kAdjustRowCount ? kEntries[row] : kEntries[kAdjustStart];
}

int AdjustEntryIndex(int row, RecalcTarget value) {
    if (row < 0 || row >= kAdjustRowCount) return -1;
    for (int i = 0; i < kAdjustEntryCount; ++i)
        if (kEntries[row][i] == value) return i;
    return -1;
}

AdjustChoices DefaultAdjustChoices() {
    return {RecalcTarget::kElapsed, RecalcTarget::kElapsed, RecalcTarget::kStop,
            RecalcTarget::kElapsed};
}

}  // namespace tw
