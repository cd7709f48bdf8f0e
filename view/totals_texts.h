#pragma once
// The texts of the totals bar by the document's totals mode: all records, marked records, or
// the active record (a single blank each while the clock is idle).

#include <string>

namespace tw {

class CWorkmetrDoc;

struct TotalsTexts {
    std::string time;     // static 112 and the system-menu popup's item 1
    std::string charge;   // static 113
    std::string expense;  // static 114
};

// The three values for the document's totals mode.
TotalsTexts TotalsTextsOf(CWorkmetrDoc& doc);
// Only the time value (captions and the popup need no more).
std::string TotalTimeText(CWorkmetrDoc& doc);
// The active record's elapsed text, or " " when the clock is idle.
std::string ActiveElapsedText(const CWorkmetrDoc& doc);

}  // namespace tw
