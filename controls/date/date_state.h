#pragma once
// State of one date edit window (TarnDateEdit32): the shared edit part, the date, its short
// date format and the drop-down calendar.

#include <windows.h>

#include "controls/common/edit_core.h"
#include "controls/common/short_date_format.h"

namespace tw {

constexpr WORD kEmptyField = 0xFFFF;

struct DateEditState {
    EditCore core;
    WORD month;              // 1..12; kEmptyField when blank
    WORD day;                // 1..31; kEmptyField when blank
    WORD year;               // 0..9999; kEmptyField when blank
    ShortDateFormat format;  // digits per field, field order and separator
    BOOL zeroTyped;          // the last digit typed was 0
    BOOL noErase;            // style bit 0x0008; recorded only
    BOOL calendarButton;     // drop-down button shown (style bit 0x0004)
    BOOL buttonPressed;      // button drawn pressed or calendar down
    HBITMAP buttonFace;      // resource 810
    HWND calendar;           // the drop-down calendar popup
};

constexpr DWORD kDateCalendarButtonBit = 0x0004;
constexpr DWORD kDateNoEraseBit = 0x0008;
constexpr int kDropButtonWidth = 16;

// The state of a date edit window; null for any other window or one without state.
DateEditState* FetchDateState(HWND hwnd);

// The date edit that owns `core` (its first member).
inline DateEditState& DateStateOf(EditCore& core) { return reinterpret_cast<DateEditState&>(core); }
inline const DateEditState& DateStateOf(const EditCore& core) {
    return reinterpret_cast<const DateEditState&>(core);
}

// Kind of the field at position `pos` (0..2) of the edit text.
inline DateField FieldKindAt(const DateEditState& s, int pos) {
    return pos >= 0 && pos < 3 ? s.format.order[pos] : DateField::Day;
}

}  // namespace tw
