#pragma once
// State of one time edit window (TarnTimeEdit32): the shared edit part, the time, its
// international format and the running clock.

#include <windows.h>

#include "controls/common/edit_core.h"

namespace tw {

enum TimeFieldKind { kHourField = 1, kMinuteField = 2, kSecondField = 3, kDesignatorField = 4 };

constexpr int kDesignatorSize = 9;
constexpr DWORD kTimeSecondsBit = 0x0040;
constexpr UINT_PTR kClockTimerId = 567;
constexpr UINT kClockPeriodMs = 100;

struct TimeEditState {
    EditCore core;
    WORD hour;  // 0..23 (stored as given by the setters)
    WORD minute;
    WORD second;
    char separator;    // time separator
    BOOL leadingZero;  // two-digit hours when unfocused
    BOOL hour24;       // 24-hour display, no designator
    BOOL seconds;      // seconds shown (style bit 0x0040)
    BOOL am;           // the hour is below 12
    char amDesignator[kDesignatorSize];
    char pmDesignator[kDesignatorSize];
    BOOL clockRunning;  // timer 567 set by tmStartClock
};

TimeEditState* FetchTimeState(HWND hwnd);

inline TimeEditState& TimeStateOf(EditCore& core) { return reinterpret_cast<TimeEditState&>(core); }
inline const TimeEditState& TimeStateOf(const EditCore& core) {
    return reinterpret_cast<const TimeEditState&>(core);
}

// The designator shown after the time; empty in 24-hour mode.
const char* ShownDesignator(const TimeEditState& s);

// Kind of the field at position `pos` of the edit text.
int TimeFieldKindAt(const TimeEditState& s, int pos);

}  // namespace tw
