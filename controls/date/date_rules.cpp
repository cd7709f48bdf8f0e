// Validity, day counts and stepping of the date edit's fields (see date_rules.h).

#include "controls/date/date_rules.h"

#include <algorithm>

#include "controls/common/day_number.h"

namespace tw {
namespace {

int FieldValue(WORD value) { return value == kEmptyField ? 0 : value; }

// A day beyond the month's new length is cut to it.
void CutDayToMonth(DateEditState& s) {
    if (s.day == kEmptyField) return;
    const int length = EditMonthLength(s.month, s.year);
    if (s.day > length) s.day = static_cast<WORD>(length);
}

// The day steps within the month; 2 and 14 September 1752 are neighbours.
void StepDay(DateEditState& s, int delta) {
    const int day = FieldValue(s.day);
    if (s.month >= 1 && s.month <= 12 && s.year != kEmptyField && s.year >= 1) {
        s.day = static_cast<WORD>(StepDayInMonth(s.month, day, s.year, delta));
        return;
    }
    s.day = static_cast<WORD>(std::clamp(day + delta, 1, EditMonthLength(s.month, s.year)));
}

void StepMonth(DateEditState& s, int delta) {
    const int month = std::min(FieldValue(s.month), 12);
    s.month = static_cast<WORD>(std::clamp(month + delta, 1, 12));
    CutDayToMonth(s);
}

void StepYear(DateEditState& s, int delta) {
    s.year = static_cast<WORD>(std::clamp(FieldValue(s.year) + delta, 0, 9999));
    CutDayToMonth(s);
}

}  // namespace

bool IsValidEditDate(WORD month, WORD day, WORD year) {
    if (month == 0 && day == 0) return true;
    return IsRealDate(month, day, year);
}

LONG DaysSince1900(WORD month, WORD day, WORD year) {
    return DayNumber(month, day, year) - DayNumber(1, 1, 1900);
}

int EditMonthLength(WORD month, WORD year) {
    if (month < 1 || month > 12 || year == kEmptyField) return 31;
    return MonthLength(month, year);
}

void StepDateField(DateEditState& s, DateField kind, int delta) {
    if (kind == DateField::Day)
        StepDay(s, delta);
    else if (kind == DateField::Month)
        StepMonth(s, delta);
    else
        StepYear(s, delta);
}

void TodayUtc(WORD& month, WORD& day, WORD& year) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    month = now.wMonth;
    day = now.wDay;
    year = now.wYear;
}

}  // namespace tw
