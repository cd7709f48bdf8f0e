// The numeric edit's edit-params record (see numedit_params.h).

#include "controls/numedit/numedit_params.h"

#include <algorithm>
#include <cstddef>

#include "controls/common/edit_caret.h"
#include "controls/common/edit_notify.h"
#include "controls/numedit/number_convert.h"
#include "controls/numedit/numedit_changes.h"
#include "controls/numedit/numedit_settings.h"

static_assert(offsetof(NMEDITPARAMS, rangeOn) == 4 && offsetof(NMEDITPARAMS, decimals) == 8 &&
                  offsetof(NMEDITPARAMS, minimum) == 16 && offsetof(NMEDITPARAMS, maximum) == 24 &&
                  offsetof(NMEDITPARAMS, useSystemSeparators) == 32 &&
                  offsetof(NMEDITPARAMS, thousandsSeparator) == 36 &&
                  offsetof(NMEDITPARAMS, decimalSeparator) == 38 &&
                  offsetof(NMEDITPARAMS, leadingZero) == 40,
              "edit-params record layout");

namespace tw {
namespace {

// A record separator: one byte of the code page, 0 for the system's.
char SeparatorOf(WORD given, char system) {
    return given != 0 && given <= 0xFF ? static_cast<char>(given) : system;
}

void TakeDecimals(NumEditState& s, LONG decimals) {
    s.systemDigits = decimals == NM_SYSTEM_DIGITS;
    if (!s.systemDigits)
        s.decimals = static_cast<DWORD>(std::clamp<LONG>(decimals, 0, kMaxDecimals));
}

void TakeSeparators(NumEditState& s, const NMEDITPARAMS& p) {
    s.useSystemSettings = p.useSystemSeparators != 0;
    TakeSystemSettings(s);
    if (s.useSystemSettings) return;
    const SystemNumberSettings system = ReadSystemNumberSettings();
    s.thousandsSep = SeparatorOf(p.thousandsSeparator, system.thousandsSep);
    s.decimalSep = SeparatorOf(p.decimalSeparator, system.decimalSep);
    s.leadingZero = p.leadingZero != 0;
}

// A nonzero format in the plain style shows the format's display form.
void TurnOnFormattedStyle(NumEditState& s) {
    if (s.format == 0 || s.formatted || s.core.digitStyle != kPlainText) return;
    s.formatted = TRUE;
    HWND hwnd = s.core.hwnd;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style | kNumFormattedBit));
}

}  // namespace

int NUM_GetEditParams(const NumEditState& s, NMEDITPARAMS* p) {
    if (!p) return 0;
    p->format = s.format;
    p->rangeOn = s.rangeOn;
    p->decimals = static_cast<LONG>(s.decimals);
    p->minimum = s.minimum;
    p->maximum = s.maximum;
    p->useSystemSeparators = s.useSystemSettings;
    p->thousandsSeparator = static_cast<BYTE>(s.thousandsSep);
    p->decimalSeparator = static_cast<BYTE>(s.decimalSep);
    p->leadingZero = s.leadingZero;
    return 1;
}

int NUM_SetEditParams(NumEditState& s, const NMEDITPARAMS* p) {
    NumberRange range;
    if (!p || p->format >= static_cast<DWORD>(kNumberFormatCount) ||
        !MakeNumberRange(p->rangeOn != 0, p->minimum, p->maximum, range))
        return 0;
    const char oldDecimalSep = s.decimalSep;
    s.format = p->format;
    s.rangeOn = range.on;
    s.minimum = range.minimum;
    s.maximum = range.maximum;
    TakeDecimals(s, p->decimals);
    TakeSeparators(s, *p);
    TurnOnFormattedStyle(s);
    HWND hwnd = s.core.hwnd;
    if (!ReformatEditText(s, oldDecimalSep)) return 1;
    RefreshShownText(s);
    PlaceCaret(s.core);
    InvalidateRect(hwnd, nullptr, FALSE);
    SendMessageA(hwnd, kChangeHookMessage, 0, 0);
    return 1;
}

}  // namespace tw
