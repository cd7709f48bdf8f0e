#pragma once
// The time edit's texts: the international time settings, the text built from the time, and
// the texts read back into it.

#include "controls/time/time_state.h"

namespace tw {

// Reads iTime, iTLZero, s1159, s2359 and sTime of the intl settings into the state.
void ReadSystemTimeFormat(TimeEditState& s);

// The edit text for the current focus (also the display string).
void FormatTimeText(const TimeEditState& s, char* out);
void RebuildTimeTexts(TimeEditState& s);

// Reads the edit text back into the time (after typing, Delete, Backspace, WM_SETTEXT).
void ParseTimeEditText(TimeEditState& s, const char* text);

// tmSetTimeString's reading of `text` into hour (0..23 for 12-hour input), minute, second
// and the AM flag.
struct ParsedTime {
    int hour;
    int minute;
    int second;
    bool am;
};
ParsedTime ParseTimeString(const TimeEditState& s, const char* text);

}  // namespace tw
