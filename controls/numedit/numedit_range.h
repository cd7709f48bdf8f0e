#pragma once
// The range and the spin step of the numeric edit as clients set and read them outside the
// edit-params record: the step by pointer (nmSetDeltaValue, nmGetDeltaValue), the range ends
// as texts (0x4A7, 0x4A8).

#include "controls/numedit/numedit_state.h"

namespace tw {

// nmSetDeltaValue: a finite step; 0 for a null pointer or another value.
int NUM_SetDelta(NumEditState& s, const double* delta);
// nmGetDeltaValue: 0 for a null pointer.
int NUM_GetDelta(const NumEditState& s, double* delta);

// 0x4A7: the range ends read from two number texts (in either order); 0, nothing changed,
// when either is missing or not a number. Whether the range is on stays as it was.
int NUM_SetRangeTexts(NumEditState& s, const char* minimum, const char* maximum);
// 0x4A8: the range ends with 7 significant digits, each in at most 16 bytes with the
// terminator; a null buffer is skipped.
int NUM_GetRangeTexts(const NumEditState& s, char* minimum, char* maximum);

}  // namespace tw
