// Colours, styles, border, size and names of the date edit (see date_appearance.h).

#include "controls/date/date_appearance.h"

#include "controls/borders.h"
#include "controls/calendar/tarn32_calendar.h"
#include "controls/common/edit_appearance.h"
#include "controls/common/system_date_format.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_format.h"
#include "controls/library_data.h"

namespace tw {
namespace {

void ChangeStyleBits(HWND hwnd, DWORD set, DWORD clear) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((style & ~clear) | set));
}

// Sets or clears `bit` of the window style.
void SwitchStyleBit(HWND hwnd, DWORD bit, bool on) {
    ChangeStyleBits(hwnd, on ? bit : 0, on ? 0 : bit);
}

}  // namespace

int DATE_SetColor(DateEditState& s, int index, DWORD color) {
    return SetEditColor(s.core, index, color, true);
}

int DATE_EnableErase(DateEditState& s, int enable) {
    s.noErase = !enable;
    SwitchStyleBit(s.core.hwnd, kDateNoEraseBit, !enable);
    return 1;
}

int DATE_SetDisplayStyle(DateEditState& s, int style) {
    ApplyDisplayStyle(s.core, style, OtherStyle::KeepDigitStyle);
    return 1;
}

int DATE_EnableCalendar(DateEditState& s, int enable) {
    s.calendarButton = enable != 0;
    SwitchStyleBit(s.core.hwnd, kDateCalendarButtonBit, enable != 0);
    UpdateButtonReserve(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 1;
}

int DATE_SetBorderStyle(DateEditState& s, int kind) {
    return SetEditBorderKind(s.core, kind, kDateBorderBits);
}

int DATE_SetButtonStyle(DateEditState&, int) { return 1; }

int DATE_GetMinWidth(const DateEditState& s) {
    return s.core.metrics.height * 7 / 8 + s.core.metrics.maxWidth +
           BorderAllowance(static_cast<int>(s.core.borderKind));
}

int DATE_SetMonthLiterals(DateEditState& s, LPCSTR names) {
    if (!ReplaceLongMonthNames(names)) return 0;
    if (s.calendar)
        SendMessageA(s.calendar, CCM_SETMONTHLITERALS, 0, reinterpret_cast<LPARAM>(names));
    return 1;
}

int DATE_SetDayLiterals(DateEditState& s, LPCSTR letters) {
    if (!ReplaceDayLetters(letters)) return 0;
    if (s.calendar)
        SendMessageA(s.calendar, CCM_SETDOWLITERALS, 0, reinterpret_cast<LPARAM>(letters));
    return 1;
}

LPSTR DATE_SetButtonText(int index, LPCSTR text) {
    char* caption = ButtonCaption(index);
    if (!caption) return nullptr;
    lstrcpynA(caption, text ? text : "", kButtonCaptionSize);
    return caption;
}

LRESULT DATE_SettingsChanged(DateEditState& s, const char* section) {
    if (section && lstrcmpiA(section, "intl") != 0) return 0;
    s.format = ReadSystemShortDateFormat(0);
    RebuildDateTexts(s);
    InvalidateRect(s.core.hwnd, nullptr, FALSE);
    return 0;
}

}  // namespace tw
