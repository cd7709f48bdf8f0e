// Creation, destruction, focus and the shared-machinery hooks of the date edit.

#include "controls/date/date_lifecycle.h"

#include "controls/borders.h"
#include "controls/calendar/calendar_popup.h"
#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/common/system_date_format.h"
#include "controls/control_state.h"
#include "controls/date/date_dropdown.h"
#include "controls/date/date_edits.h"
#include "controls/date/date_format.h"
#include "controls/date/date_rules.h"
#include "controls/library_data.h"

namespace tw {
namespace {

constexpr int kButtonFaceId = 810;

int SplitDateFields(const EditCore& core, FieldSpan* spans) {
    const char delimiters[2] = {DateStateOf(core).format.separator, '\0'};
    return SplitAtDelimiters(core.text, delimiters, spans);
}

void TypeCharHook(EditCore& core, char c) { TypeDateChar(DateStateOf(core), c); }
void DeleteHook(EditCore& core) { DeleteDateAtCaret(DateStateOf(core)); }
void RebuildHook(EditCore& core) { RebuildDateTexts(DateStateOf(core)); }
void DisplayHook(EditCore& core) { FormatDisplayString(DateStateOf(core), core.display); }

void ParseHook(EditCore& core) {
    DateEditState& s = DateStateOf(core);
    if (core.text[0] == '\0') {
        s.month = s.day = s.year = 0;
        core.isNull = TRUE;
    } else {
        ParseEditTextBack(s, -1);
        core.isNull = FALSE;
    }
    RebuildDateTexts(s);
}

}  // namespace

const EditBehavior kDateBehavior = {SplitDateFields, TypeCharHook, DeleteHook,
                                    RebuildHook,     ParseHook,    DisplayHook};

DateEditState* FetchDateState(HWND hwnd) {
    return FetchState<DateEditState>(hwnd, ControlClass::DateEdit);
}

bool DATE_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    const DWORD style = static_cast<DWORD>(create->style);
    auto* s = static_cast<DateEditState*>(
        CreateEditState(hwnd, sizeof(DateEditState), &kDateBehavior, style));
    if (!s) return false;
    TodayUtc(s->month, s->day, s->year);
    s->core.borderKind = static_cast<DWORD>(BorderKindAtCreation(hwnd, kDateBorderBits, true));
    s->buttonFace = LoadBitmapA(LibraryModule(), MAKEINTRESOURCEA(kButtonFaceId));
    s->format = ReadSystemShortDateFormat(0);
    TakeDigitStyleFromBits(s->core, style);
    s->calendarButton = (style & kDateCalendarButtonBit) != 0;
    s->noErase = (style & kDateNoEraseBit) != 0;
    RebuildDateTexts(*s);
    return true;
}

LRESULT DATE_Create(DateEditState& s) {
    s.calendar = CreateCalendarPopup(s.core.hwnd, &s);
    UpdateButtonReserve(s);
    return 0;
}

LRESULT DATE_Destroy(DateEditState& s) {
    if (s.calendar && IsWindow(s.calendar)) DestroyWindow(s.calendar);
    s.calendar = nullptr;
    return 0;
}

void DATE_NcDestroy(DateEditState& s) {
    if (s.buttonFace) DeleteObject(s.buttonFace);
    DestroyEditState(s.core);
}

LRESULT DATE_SetFocus(DateEditState& s) {
    EditCore& core = s.core;
    if (s.calendar && IsWindowVisible(s.calendar)) {
        ShowWindow(s.calendar, SW_HIDE);
        SendMessageA(core.hwnd, WM_CANCELMODE, 0, 0);
    }
    core.hasFocus = TRUE;
    RebuildDateTexts(s);
    if (core.readOnly)
        CollapseSelection(core, 0);
    else
        SetSelectionRange(core, 0, -1);
    core.currentField = 0;
    CreateEditCaret(core, true);
    InvalidateRect(core.hwnd, nullptr, FALSE);
    NotifyParent(core.hwnd, EN_SETFOCUS);
    return 0;
}

}  // namespace tw
