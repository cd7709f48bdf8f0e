// The time edit's value as clients read and set it (see time_value.h).

#include "controls/time/time_value.h"

#include <cstddef>
#include <cstring>

#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/time/time_format.h"

static_assert(offsetof(TMEDITPARAMS, hour) == 4 && offsetof(TMEDITPARAMS, second) == 8 &&
                  offsetof(TMEDITPARAMS, useSystemFormat) == 12 &&
                  offsetof(TMEDITPARAMS, seconds) == 28 &&
                  offsetof(TMEDITPARAMS, amDesignator) == 32 &&
                  offsetof(TMEDITPARAMS, pmDesignator) == 41,
              "edit-params record layout");

namespace tw {
namespace {

void CopyDesignator(char* to, const char* from) {
    const size_t length = strnlen(from, kDesignatorSize - 1);
    memcpy(to, from, length);
    to[length] = '\0';
}

void TakeEditParamsFormat(TimeEditState& s, const TMEDITPARAMS& p) {
    if (p.separator) s.separator = static_cast<char>(p.separator);
    s.hour24 = p.hour24 != 0;
    s.leadingZero = p.leadingZero != 0;
    s.seconds = p.seconds != 0;
    CopyDesignator(s.amDesignator, p.amDesignator);
    CopyDesignator(s.pmDesignator, p.pmDesignator);
}

void StoreTime(TimeEditState& s, int hour, int minute, int second) {
    s.hour = static_cast<WORD>(hour);
    s.minute = static_cast<WORD>(minute);
    s.second = static_cast<WORD>(second);
    s.am = s.hour < 12;
    s.core.isNull = FALSE;
}

// One field stored unchecked; the AM flag follows the hour; repainted.
int SetField(TimeEditState& s, WORD TimeEditState::*field, int value) {
    s.*field = static_cast<WORD>(value);
    s.am = s.hour < 12;
    RebuildTimeTexts(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 1;
}

}  // namespace

LPSTR TIME_GetEditParams(const TimeEditState& s, TMEDITPARAMS* p) {
    if (!p) return nullptr;
    p->setTime = 1;
    p->hour = s.hour;
    p->minute = s.minute;
    p->second = s.second;
    p->separator = static_cast<BYTE>(s.separator);
    p->leadingZero = s.leadingZero;
    p->hour24 = s.hour24;
    p->seconds = s.seconds;
    CopyDesignator(p->amDesignator, s.amDesignator);
    CopyDesignator(p->pmDesignator, s.pmDesignator);
    return p->pmDesignator;
}

int TIME_SetEditParams(TimeEditState& s, const TMEDITPARAMS* p) {
    if (!p) return 0;
    if (p->setTime && ChangePermitted(s.core.hwnd)) StoreTime(s, p->hour, p->minute, p->second);
    if (!p->useSystemFormat) TakeEditParamsFormat(s, *p);
    RebuildTimeTexts(s);
    RepaintTextArea(s.core);
    PostMessageA(s.core.hwnd, kChangeHookMessage, 0, 0);
    return 1;
}

int TIME_GetTime(const TimeEditState& s, WORD* hms) {
    if (!hms) return 0;
    hms[0] = s.hour;
    hms[1] = s.minute;
    hms[2] = s.second;
    return 1;
}

int TIME_GetHour(const TimeEditState& s) { return s.hour; }
int TIME_GetMinute(const TimeEditState& s) { return s.minute; }
int TIME_GetSecond(const TimeEditState& s) { return s.second; }

int TIME_SetTime(TimeEditState& s, const WORD* hms) {
    if (!hms || !ChangePermitted(s.core.hwnd)) return 0;
    StoreTime(s, hms[0], hms[1], hms[2]);
    ShowProgrammaticChange(s.core);
    return 1;
}

int TIME_SetHour(TimeEditState& s, int hour) { return SetField(s, &TimeEditState::hour, hour); }

int TIME_SetMinute(TimeEditState& s, int minute) {
    return SetField(s, &TimeEditState::minute, minute);
}

int TIME_SetSecond(TimeEditState& s, int second) {
    return SetField(s, &TimeEditState::second, second);
}

int TIME_SetNull(TimeEditState& s) {
    if (!ChangePermitted(s.core.hwnd)) return 0;
    s.core.isNull = TRUE;
    ShowProgrammaticChange(s.core);
    return 1;
}

int TIME_SetTimeString(TimeEditState& s, LPCSTR text) {
    if (!ChangePermitted(s.core.hwnd)) return 0;
    if (!text || !text[0]) {
        StoreTime(s, 0, 0, 0);
        s.core.isNull = TRUE;
        ShowProgrammaticChange(s.core);
        return 1;
    }
    const ParsedTime parsed = ParseTimeString(s, text);
    const bool unchanged = parsed.hour == s.hour && parsed.minute == s.minute &&
                           parsed.second == s.second && parsed.am == (s.am != FALSE);
    if (unchanged && !s.core.isNull) return 1;
    StoreTime(s, parsed.hour, parsed.minute, parsed.second);
    s.am = parsed.am;
    ShowProgrammaticChange(s.core);
    return 1;
}

LRESULT TIME_SetFromCalTime(TimeEditState& s, const DWORD* smh) {
    if (!smh || !ChangePermitted(s.core.hwnd)) return 0;
    StoreTime(s, static_cast<int>(smh[2]), static_cast<int>(smh[1]), static_cast<int>(smh[0]));
    ShowProgrammaticChange(s.core);
    return 1;
}

LRESULT TIME_GetCalTime(const TimeEditState& s, TARNCALTIME* record) {
    if (!record) return 0;
    *record = {};
    record->second = s.second;
    record->minute = s.minute;
    record->hour = s.hour;
    record->dayOfMonth = 1;
    record->dayOfWeek = 1;
    return 1;
}

}  // namespace tw
