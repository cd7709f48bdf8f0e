#pragma once
// The date as a client reads and sets it: the edit-params record, the date and its fields,
// the null state, the date string, validity and the calendar-time record.

#include "controls/date/date_state.h"
#include "controls/tarn32.h"

namespace tw {

// dtGetEditParams / dtSetEditParams (0x487, 0x488): 0 for a null record or a wrong size.
int DATE_GetEditParams(const DateEditState& s, DTEDITPARAMS* p);
int DATE_SetEditParams(DateEditState& s, const DTEDITPARAMS* p);

// dtGetDate (0x489): copies month, day, year where `mdy` is not null; returns the days since
// 1 January 1900.
LONG DATE_GetDate(const DateEditState& s, WORD* mdy);
int DATE_GetMonth(const DateEditState& s);
int DATE_GetDay(const DateEditState& s);
int DATE_GetYear(const DateEditState& s);

// dtSetDate (0x48F): with permission, stores month, day, year (null keeps the date) unchecked.
int DATE_SetDate(DateEditState& s, const WORD* mdy);

// dtSetNull (0x497): with permission, the date 0/0/0 and no value.
int DATE_SetNull(DateEditState& s);

// dtSetDateString (0x49A): with permission, the date read by the short date format; a null or
// empty text makes the control null.
int DATE_SetDateString(DateEditState& s, LPCSTR text);

// dtIsDateValid: 1 for a real date of years 1..9999 or for month 0 with day 0.
int DATE_IsDateValid(const DateEditState& s);

// 0xD05: 0 for a valid date; else the "Invalid Date" message box and -1.
LRESULT DATE_Validate(DateEditState& s);

// 0xD00: with a nonzero `flag` and permission, the control holds a value again.
LRESULT DATE_MakeNonNull(DateEditState& s, LPARAM flag);

// 0xD01: fills the calendar-time record from the date; 0 for a null record.
LRESULT DATE_GetCalTime(const DateEditState& s, TARNCALTIME* record);

}  // namespace tw
