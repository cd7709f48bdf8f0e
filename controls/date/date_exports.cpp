// Exported dt functions. Each fetches the state (failing on any other window), then works on
// it directly; the window procedure's private messages call these same functions.

#include <cstddef>
#include <cstring>

#include "controls/borders.h"
#include "controls/common/edit_appearance.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_queries.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_notify.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_format.h"
#include "controls/date/date_rules.h"
#include "controls/library_data.h"
#include "controls/tarn32.h"

static_assert(offsetof(DTEDITPARAMS, setDate) == 4 && offsetof(DTEDITPARAMS, year) == 8 &&
              offsetof(DTEDITPARAMS, useSystemFormat) == 16 &&
              offsetof(DTEDITPARAMS, separator) == 20 && offsetof(DTEDITPARAMS, order) == 36 &&
              sizeof(DTEDITPARAMS) == 48, "edit-params record layout");

namespace tw {
namespace {

constexpr int kNoStateMinHeight = 24;
constexpr int kNoStateMinWidth = 80;
constexpr UINT kCalendarMonthNames = 0x1468;
constexpr UINT kCalendarDayLetters = 0x1469;

void MakeNull(DateEditState& s)
{
    s.month = s.day = s.year = 0;
    s.core.isNull = TRUE;
}

void ChangeStyleBits(HWND hwnd, DWORD set, DWORD clear)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((style & ~clear) | set));
}

void TakeEditParamsFormat(DateEditState& s, const DTEDITPARAMS& p)
{
    const bool givesOrder = p.order[0] != 0;
    if (!p.useSystemFormat) {
        s.format.separator = static_cast<char>(p.separator ? p.separator
                                                           : ReadSystemDateFormat(0).separator);
        s.format.twoDigitMonth = p.twoDigitMonth != 0;
        s.format.twoDigitDay = p.twoDigitDay != 0;
        s.format.fourDigitYear = p.fourDigitYear != 0;
        if (givesOrder)
            memcpy(s.format.order, p.order, sizeof s.format.order);
    }
    if (p.useSystemFormat || !givesOrder)
        s.format = ReadSystemDateFormat(s.format.separator);
}

}  // namespace
}  // namespace tw

using namespace tw;

extern "C" {

int WINAPI dtGetEditParams(HWND hwnd, DTEDITPARAMS* p)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s || !p || p->size != sizeof(DTEDITPARAMS))
        return 0;
    p->setDate = 1;
    p->year = s->year;
    p->month = s->month;
    p->day = s->day;
    p->useSystemFormat = 1;
    p->separator = static_cast<BYTE>(s->format.separator);
    p->twoDigitMonth = s->format.twoDigitMonth;
    for (int i = 0; i < 3; ++i)
        p->order[i] = static_cast<DWORD>(s->format.order[i]);
    return 1;
}

int WINAPI dtSetEditParams(HWND hwnd, const DTEDITPARAMS* p)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s || !p || p->size != sizeof(DTEDITPARAMS))
        return 0;
    if (p->setDate && ChangePermitted(hwnd)) {
        if (p->year == 0) {
            TodayUtc(s->month, s->day, s->year);
        } else {
            s->year = p->year;
            s->month = p->month;
            s->day = p->day;
        }
    }
    TakeEditParamsFormat(*s, *p);
    s->core.isNull = s->year == 0;
    ShowProgrammaticChange(s->core);
    return 1;
}

LONG WINAPI dtGetDate(HWND hwnd, WORD* mdy)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s)
        return -1;
    if (mdy) {
        mdy[0] = s->month;
        mdy[1] = s->day;
        mdy[2] = s->year;
    }
    return DaysSince1900(s->month, s->day, s->year);
}

int WINAPI dtGetMonth(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    return s ? s->month : -1;
}

int WINAPI dtGetDay(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    return s ? s->day : -1;
}

int WINAPI dtGetYear(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    return s ? s->year : -1;
}

int WINAPI dtSetDate(HWND hwnd, const WORD* mdy)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s || !ChangePermitted(hwnd))
        return 0;
    if (mdy) {
        s->month = mdy[0];
        s->day = mdy[1];
        s->year = mdy[2];
    }
    s->core.isNull = s->month == 0 && s->day == 0 && s->year == 0;
    ShowProgrammaticChange(s->core);
    return 1;
}

int WINAPI dtSetColor(HWND hwnd, int index, DWORD color)
{
    DateEditState* s = FetchDateState(hwnd);
    return s ? SetEditColor(s->core, index, color, true) : 0;
}

int WINAPI dtEnableErase(HWND hwnd, int enable)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s)
        return 0;
    s->noErase = !enable;
    ChangeStyleBits(hwnd, enable ? 0 : kDateNoEraseBit, enable ? kDateNoEraseBit : 0);
    return 1;
}

int WINAPI dtSetDisplayStyle(HWND hwnd, int style)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s)
        return 0;
    ApplyDisplayStyle(s->core, style, OtherStyle::KeepDigitStyle);
    return 1;
}

int WINAPI dtEnableCalendar(HWND hwnd, int enable)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s)
        return 0;
    s->calendarButton = enable != 0;
    ChangeStyleBits(hwnd, enable ? DTS_CALENDARBUTTON : 0, enable ? 0 : DTS_CALENDARBUTTON);
    UpdateButtonReserve(*s);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

int WINAPI dtSetNull(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s || !ChangePermitted(hwnd))
        return 0;
    MakeNull(*s);
    ShowProgrammaticChange(s->core);
    return 1;
}

int WINAPI dtIsNull(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    return NullFlagOf(s ? &s->core : nullptr);
}

LPSTR WINAPI dtGetDateString(HWND hwnd, LPSTR buffer)
{
    DateEditState* s = FetchDateState(hwnd);
    return CopyDisplayString(s ? &s->core : nullptr, buffer);
}

int WINAPI dtSetDateString(HWND hwnd, LPCSTR text)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s || !ChangePermitted(hwnd))
        return 0;
    if (!text || !text[0]) {
        MakeNull(*s);
    } else {
        ParseDateString(*s, text);
        s->core.isNull = FALSE;
    }
    ShowProgrammaticChange(s->core);
    return 1;
}

int WINAPI dtGetMinHeight(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    return s ? EditMinHeight(s->core) : kNoStateMinHeight;
}

int WINAPI dtGetMinWidth(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s)
        return kNoStateMinWidth;
    return s->core.metrics.height * 7 / 8 + s->core.metrics.maxWidth +
           BorderAllowance(static_cast<int>(s->core.borderKind));
}

int WINAPI dtOkToChange(HWND hwnd)
{
    return FetchDateState(hwnd) ? 1 : 0;
}

int WINAPI dtSetMonthLiterals(HWND hwnd, LPCSTR names)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s || !ReplaceLongMonthNames(names))
        return 0;
    if (s->calendar)
        SendMessageA(s->calendar, kCalendarMonthNames, 0, reinterpret_cast<LPARAM>(names));
    return 1;
}

int WINAPI dtSetDayLiterals(HWND hwnd, LPCSTR letters)
{
    DateEditState* s = FetchDateState(hwnd);
    if (!s || !ReplaceDayLetters(letters))
        return 0;
    if (s->calendar)
        SendMessageA(s->calendar, kCalendarDayLetters, 0, reinterpret_cast<LPARAM>(letters));
    return 1;
}

int WINAPI dtSetBorderStyle(HWND hwnd, int kind)
{
    DateEditState* s = FetchDateState(hwnd);
    return s ? SetEditBorderKind(s->core, kind, kDateBorderBits) : 0;
}

int WINAPI dtSetButtonStyle(HWND hwnd, int)
{
    return FetchDateState(hwnd) ? 1 : 0;
}

int WINAPI dtDropDownCalendar(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    return s ? DropDownDateCalendar(*s) : 0;
}

LPSTR WINAPI dtSetButtonText(HWND, int index, LPCSTR text)
{
    char* caption = ButtonCaption(index);
    if (!caption)
        return nullptr;
    lstrcpynA(caption, text ? text : "", kButtonCaptionSize);
    return caption;
}

int WINAPI dtIsDateValid(HWND hwnd)
{
    DateEditState* s = FetchDateState(hwnd);
    return s && IsValidEditDate(s->month, s->day, s->year) ? 1 : 0;
}

}  // extern "C"
