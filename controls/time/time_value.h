#pragma once
// The time as a client reads and sets it: the edit-params record, the time and its fields,
// the null state, the time string and the calendar-time record.

#include "controls/tarn32.h"
#include "controls/time/time_state.h"

namespace tw {

// tmGetEditParams (0x487): fills the record; returns its PM designator field, null for a null
// record. tmSetEditParams (0x488): 0 for a null record.
LPSTR TIME_GetEditParams(const TimeEditState& s, TMEDITPARAMS* p);
int TIME_SetEditParams(TimeEditState& s, const TMEDITPARAMS* p);

// tmGetTime (0x489): copies hour, minute, second; 0 for a null pointer.
int TIME_GetTime(const TimeEditState& s, WORD* hms);
int TIME_GetHour(const TimeEditState& s);
int TIME_GetMinute(const TimeEditState& s);
int TIME_GetSecond(const TimeEditState& s);

// tmSetTime (0x48F): with permission, stores hour, minute, second unchecked.
int TIME_SetTime(TimeEditState& s, const WORD* hms);

// tmSetHour, tmSetMinute, tmSetSecond (0x4A2..0x4A4): store the field unchecked, without
// asking permission, and repaint.
int TIME_SetHour(TimeEditState& s, int hour);
int TIME_SetMinute(TimeEditState& s, int minute);
int TIME_SetSecond(TimeEditState& s, int second);

// tmSetNull (0x497): with permission, no value (the time is kept).
int TIME_SetNull(TimeEditState& s);

// tmSetTimeString (0x49A): with permission, the time read from the text; a null or empty text
// makes the control null, an unchanged time repaints nothing.
int TIME_SetTimeString(TimeEditState& s, LPCSTR text);

// 0xD00: with permission, second, minute and hour from three u32 (in that order).
LRESULT TIME_SetFromCalTime(TimeEditState& s, const DWORD* smh);

// 0xD01: fills the calendar-time record from the time; 0 for a null record.
LRESULT TIME_GetCalTime(const TimeEditState& s, TARNCALTIME* record);

}  // namespace tw
