// The date edit's value as clients read and set it (see date_value.h).

#include "controls/date/date_value.h"

#include <cstddef>

#include "controls/common/day_number.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/common/system_date_format.h"
#include "controls/date/date_format.h"
#include "controls/date/date_rules.h"

static_assert(offsetof(DTEDITPARAMS, setDate) == 4 && offsetof(DTEDITPARAMS, year) == 8 &&
                  offsetof(DTEDITPARAMS, useSystemFormat) == 16 &&
                  offsetof(DTEDITPARAMS, separator) == 20 && offsetof(DTEDITPARAMS, order) == 36 &&
                  sizeof(DTEDITPARAMS) == 48,
              "edit-params record layout");

namespace tw {
namespace {

void MakeNull(DateEditState& s) {
    s.month = s.day = s.year = 0;
    s.core.isNull = TRUE;
}

bool IsEditParamsRecord(const DTEDITPARAMS* p) { return p && p->size == sizeof(DTEDITPARAMS); }

void TakeEditParamsDate(DateEditState& s, const DTEDITPARAMS& p) {
    if (p.year == 0) {
        TodayUtc(s.month, s.day, s.year);
        return;
    }
    s.year = p.year;
    s.month = p.month;
    s.day = p.day;
}

void TakeEditParamsFormat(DateEditState& s, const DTEDITPARAMS& p) {
    const bool givesOrder = p.order[0] != 0;
    if (!p.useSystemFormat) {
        s.format.separator =
            static_cast<char>(p.separator ? p.separator : ReadSystemShortDateFormat(0).separator);
        s.format.twoDigitMonth = p.twoDigitMonth != 0;
        s.format.twoDigitDay = p.twoDigitDay != 0;
        s.format.fourDigitYear = p.fourDigitYear != 0;
        if (givesOrder) {
            for (int i = 0; i < 3; ++i) s.format.order[i] = static_cast<DateField>(p.order[i]);
        }
    }
    if (p.useSystemFormat || !givesOrder) s.format = ReadSystemShortDateFormat(s.format.separator);
}

}  // namespace

int DATE_GetEditParams(const DateEditState& s, DTEDITPARAMS* p) {
    if (!IsEditParamsRecord(p)) return 0;
    p->setDate = 1;
    p->year = s.year;
    p->month = s.month;
    p->day = s.day;
    p->useSystemFormat = 1;
    p->separator = static_cast<BYTE>(s.format.separator);
    p->twoDigitMonth = s.format.twoDigitMonth;
    for (int i = 0; i < 3; ++i) p->order[i] = static_cast<DWORD>(s.format.order[i]);
    return 1;
}

int DATE_SetEditParams(DateEditState& s, const DTEDITPARAMS* p) {
    if (!IsEditParamsRecord(p)) return 0;
    if (p->setDate && ChangePermitted(s.core.hwnd)) TakeEditParamsDate(s, *p);
    TakeEditParamsFormat(s, *p);
    s.core.isNull = s.year == 0;
    ShowProgrammaticChange(s.core);
    return 1;
}

LONG DATE_GetDate(const DateEditState& s, WORD* mdy) {
    if (mdy) {
        mdy[0] = s.month;
        mdy[1] = s.day;
        mdy[2] = s.year;
    }
    return DaysSince1900(s.month, s.day, s.year);
}

int DATE_GetMonth(const DateEditState& s) { return s.month; }
int DATE_GetDay(const DateEditState& s) { return s.day; }
int DATE_GetYear(const DateEditState& s) { return s.year; }

int DATE_SetDate(DateEditState& s, const WORD* mdy) {
    if (!ChangePermitted(s.core.hwnd)) return 0;
    if (mdy) {
        s.month = mdy[0];
        s.day = mdy[1];
        s.year = mdy[2];
    }
    s.core.isNull = s.month == 0 && s.day == 0 && s.year == 0;
    ShowProgrammaticChange(s.core);
    return 1;
}

int DATE_SetNull(DateEditState& s) {
    if (!ChangePermitted(s.core.hwnd)) return 0;
    MakeNull(s);
    ShowProgrammaticChange(s.core);
    return 1;
}

int DATE_SetDateString(DateEditState& s, LPCSTR text) {
    if (!ChangePermitted(s.core.hwnd)) return 0;
    int month = s.month;
    int day = s.day;
    int year = s.year;
    if (ParseShortDate(s.format, text, &month, &day, &year)) {
        s.month = static_cast<WORD>(month);
        s.day = static_cast<WORD>(day);
        s.year = static_cast<WORD>(year);
        s.core.isNull = FALSE;
    } else {
        MakeNull(s);
    }
    ShowProgrammaticChange(s.core);
    return 1;
}

int DATE_IsDateValid(const DateEditState& s) {
    return IsValidEditDate(s.month, s.day, s.year) ? 1 : 0;
}

LRESULT DATE_Validate(DateEditState& s) {
    if (DATE_IsDateValid(s)) return 0;
    MessageBoxA(s.core.hwnd, "Invalid Date", "Tarn DateEdit Error", MB_OK | MB_ICONSTOP);
    return -1;
}

LRESULT DATE_MakeNonNull(DateEditState& s, LPARAM flag) {
    if (!flag || !ChangePermitted(s.core.hwnd)) return 0;
    s.core.isNull = FALSE;
    RebuildDateTexts(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 1;
}

LRESULT DATE_GetCalTime(const DateEditState& s, TARNCALTIME* record) {
    if (!record) return 0;
    *record = {};
    record->dayOfMonth = s.day;
    record->month = s.month - 1u;
    record->year = s.year - 1900u;
    record->dayOfWeek = static_cast<DWORD>(WeekdayOf(s.month, s.day, s.year));
    record->dayOfYear =
        static_cast<DWORD>(DayNumber(s.month, s.day, s.year) - DayNumber(1, 1, s.year));
    return 1;
}

}  // namespace tw
