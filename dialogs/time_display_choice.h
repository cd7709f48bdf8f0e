#pragma once
// The rules of the Time Display preferences between the increment radios, "Use decimal
// notation" and the count of hundredths of an hour.

#include "doc/display_formats_rounding.h"  // TimeDisplaySettings

namespace tw {

constexpr int kIncrementChoiceCount = 5;  // 1 second .. 100th of an hour
constexpr int kIncrementHundredths = 4;
constexpr int kHundredthsMin = 5;
constexpr int kHundredthsMax = 100;

// Decimal notation is offered for 6 minutes, 15 minutes and hundredths only.
bool DecimalNotationAllowed(int increment);
// The count of hundredths is edited only with the hundredths increment.
bool HundredthsEditable(int increment);

// What the page shows for stored settings: the increment as the document uses it (a stored
// value out of range counts as 1 minute), decimal notation only where allowed, the count of
// hundredths clamped into its range as the document uses it.
TimeDisplaySettings ShownTimeDisplay(const TimeDisplaySettings& stored);

// The settings OK stores from the controls: decimal notation cleared where not allowed; the
// typed count taken only while it can be edited, else the shown one kept.
TimeDisplaySettings ChosenTimeDisplay(const TimeDisplaySettings& shown, int increment, bool decimal,
                                      int typedHundredths);

}  // namespace tw
