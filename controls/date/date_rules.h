#pragma once
// Calendar rules of the date edit: validity, day numbers from 1900 and field stepping.

#include "controls/date/date_state.h"

namespace tw {

// Month 0 with day 0 is valid (no date); otherwise a real date of years 1..9999.
bool IsValidEditDate(WORD month, WORD day, WORD year);

// DayNumber(date) - DayNumber(1 January 1900): 0 for 1 January 1900.
LONG DaysSince1900(WORD month, WORD day, WORD year);

// Length of the month in that year, 31 for a month outside 1..12 or an empty year.
int EditMonthLength(WORD month, WORD year);

// Steps the field of `kind` by `delta` (+1 or -1) without wrapping (see date_rules.cpp).
void StepDateField(DateEditState& s, DateField kind, int delta);

// Today's date from the system (UTC) clock.
void TodayUtc(WORD& month, WORD& day, WORD& year);

}  // namespace tw
