// Exported tm functions. Each fetches the state (failing on any other window), then works on
// it directly; the window procedure's private messages call these same functions.

#include <cstddef>
#include <cstring>

#include "controls/borders.h"
#include "controls/common/edit_appearance.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_queries.h"
#include "controls/common/edit_notify.h"
#include "controls/tarn32.h"
#include "controls/time/time_format.h"
#include "controls/time/time_lifecycle.h"

static_assert(offsetof(TMEDITPARAMS, hour) == 4 && offsetof(TMEDITPARAMS, second) == 8 &&
              offsetof(TMEDITPARAMS, useSystemFormat) == 12 &&
              offsetof(TMEDITPARAMS, seconds) == 28 && offsetof(TMEDITPARAMS, amDesignator) == 32 &&
              offsetof(TMEDITPARAMS, pmDesignator) == 41, "edit-params record layout");

namespace tw {
namespace {

void CopyDesignator(char* to, const char* from)
{
    const size_t length = strnlen(from, kDesignatorSize - 1);
    memcpy(to, from, length);
    to[length] = '\0';
}

void TakeEditParamsFormat(TimeEditState& s, const TMEDITPARAMS& p)
{
    if (p.separator)
        s.separator = static_cast<char>(p.separator);
    s.hour24 = p.hour24 != 0;
    s.leadingZero = p.leadingZero != 0;
    s.seconds = p.seconds != 0;
    CopyDesignator(s.amDesignator, p.amDesignator);
    CopyDesignator(s.pmDesignator, p.pmDesignator);
}

void StoreTime(TimeEditState& s, int hour, int minute, int second)
{
    s.hour = static_cast<WORD>(hour);
    s.minute = static_cast<WORD>(minute);
    s.second = static_cast<WORD>(second);
    s.am = s.hour < 12;
    s.core.isNull = FALSE;
}

int SetField(HWND hwnd, WORD TimeEditState::*field, int value)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s)
        return 0;
    s->*field = static_cast<WORD>(value);
    s->am = s->hour < 12;
    RebuildTimeTexts(*s);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 1;
}

int GetField(HWND hwnd, WORD TimeEditState::*field)
{
    TimeEditState* s = FetchTimeState(hwnd);
    return s ? s->*field : 0;
}

}  // namespace
}  // namespace tw

using namespace tw;

extern "C" {

LPSTR WINAPI tmGetEditParams(HWND hwnd, TMEDITPARAMS* p)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s || !p)
        return nullptr;
    p->setTime = 1;
    p->hour = s->hour;
    p->minute = s->minute;
    p->second = s->second;
    p->separator = static_cast<BYTE>(s->separator);
    p->leadingZero = s->leadingZero;
    p->hour24 = s->hour24;
    p->seconds = s->seconds;
    CopyDesignator(p->amDesignator, s->amDesignator);
    CopyDesignator(p->pmDesignator, s->pmDesignator);
    return p->pmDesignator;
}

int WINAPI tmSetEditParams(HWND hwnd, const TMEDITPARAMS* p)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s || !p)
        return 0;
    if (p->setTime && ChangePermitted(hwnd))
        StoreTime(*s, p->hour, p->minute, p->second);
    if (!p->useSystemFormat)
        TakeEditParamsFormat(*s, *p);
    RebuildTimeTexts(*s);
    RepaintTextArea(s->core);
    PostMessageA(hwnd, kChangeHookMessage, 0, 0);
    return 1;
}

int WINAPI tmGetTime(HWND hwnd, WORD* hms)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s || !hms)
        return 0;
    hms[0] = s->hour;
    hms[1] = s->minute;
    hms[2] = s->second;
    return 1;
}

int WINAPI tmGetHour(HWND hwnd) { return GetField(hwnd, &TimeEditState::hour); }
int WINAPI tmGetMinute(HWND hwnd) { return GetField(hwnd, &TimeEditState::minute); }
int WINAPI tmGetSecond(HWND hwnd) { return GetField(hwnd, &TimeEditState::second); }

int WINAPI tmSetTime(HWND hwnd, const WORD* hms)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s || !hms || !ChangePermitted(hwnd))
        return 0;
    StoreTime(*s, hms[0], hms[1], hms[2]);
    ShowProgrammaticChange(s->core);
    return 1;
}

int WINAPI tmSetDisplayStyle(HWND hwnd, int style)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s)
        return 0;
    ApplyDisplayStyle(s->core, style, OtherStyle::ReleaseBitmaps);
    return 1;
}

int WINAPI tmSetNull(HWND hwnd)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s || !ChangePermitted(hwnd))
        return 0;
    s->core.isNull = TRUE;
    ShowProgrammaticChange(s->core);
    return 1;
}

int WINAPI tmIsNull(HWND hwnd)
{
    TimeEditState* s = FetchTimeState(hwnd);
    return NullFlagOf(s ? &s->core : nullptr);
}

LPSTR WINAPI tmGetTimeString(HWND hwnd, LPSTR buffer)
{
    TimeEditState* s = FetchTimeState(hwnd);
    return CopyDisplayString(s ? &s->core : nullptr, buffer);
}

int WINAPI tmSetTimeString(HWND hwnd, LPCSTR text)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s || !ChangePermitted(hwnd))
        return 0;
    if (!text || !text[0]) {
        StoreTime(*s, 0, 0, 0);
        s->core.isNull = TRUE;
        ShowProgrammaticChange(s->core);
        return 1;
    }
    const ParsedTime parsed = ParseTimeString(*s, text);
    const bool unchanged = parsed.hour == s->hour && parsed.minute == s->minute &&
                           parsed.second == s->second && parsed.am == (s->am != FALSE);
    if (unchanged && !s->core.isNull)
        return 1;
    StoreTime(*s, parsed.hour, parsed.minute, parsed.second);
    s->am = parsed.am;
    ShowProgrammaticChange(s->core);
    return 1;
}

int WINAPI tmGetMinHeight(HWND hwnd)
{
    TimeEditState* s = FetchTimeState(hwnd);
    return s ? EditMinHeight(s->core) : 0;
}

int WINAPI tmGetMinWidth(HWND hwnd)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s)
        return 0;
    return 3 * s->core.metrics.maxWidth + BorderAllowance(static_cast<int>(s->core.borderKind));
}

int WINAPI tmSetColor(HWND hwnd, int index, DWORD color)
{
    TimeEditState* s = FetchTimeState(hwnd);
    return s ? SetEditColor(s->core, index, color, false) : 0;
}

int WINAPI tmOkToChange(HWND hwnd)
{
    return FetchTimeState(hwnd) ? 1 : 0;
}

int WINAPI tmStartClock(HWND hwnd)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s || !SetTimer(hwnd, kClockTimerId, kClockPeriodMs, nullptr))
        return 0;
    s->clockRunning = TRUE;
    return 1;
}

int WINAPI tmStopClock(HWND hwnd)
{
    TimeEditState* s = FetchTimeState(hwnd);
    if (!s)
        return 0;
    KillTimer(hwnd, kClockTimerId);
    s->clockRunning = FALSE;
    return 1;
}

int WINAPI tmSetHour(HWND hwnd, int hour) { return SetField(hwnd, &TimeEditState::hour, hour); }
int WINAPI tmSetMinute(HWND hwnd, int minute) { return SetField(hwnd, &TimeEditState::minute, minute); }
int WINAPI tmSetSecond(HWND hwnd, int second) { return SetField(hwnd, &TimeEditState::second, second); }

int WINAPI tmSetBorderStyle(HWND hwnd, int kind)
{
    TimeEditState* s = FetchTimeState(hwnd);
    return s ? SetEditBorderKind(s->core, kind, kTimeBorderBits) : 0;
}

}  // extern "C"
