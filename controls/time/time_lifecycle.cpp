// Creation, destruction, focus and the shared-machinery hooks of the time edit.

#include "controls/time/time_lifecycle.h"

#include "controls/borders.h"
#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/control_state.h"
#include "controls/library_data.h"
#include "controls/time/time_clock.h"
#include "controls/time/time_edits.h"
#include "controls/time/time_format.h"

namespace tw {
namespace {

int SplitTimeFields(const EditCore& core, FieldSpan* spans) {
    const char delimiters[3] = {TimeStateOf(core).separator, ' ', '\0'};
    return SplitAtDelimiters(core.text, delimiters, spans);
}

void TypeCharHook(EditCore& core, char c) { TypeTimeChar(TimeStateOf(core), c); }
void DeleteHook(EditCore& core) { DeleteTimeAtCaret(TimeStateOf(core)); }
void RebuildHook(EditCore& core) { RebuildTimeTexts(TimeStateOf(core)); }
void DisplayHook(EditCore& core) { lstrcpynA(core.display, core.text, sizeof core.display); }

void ParseHook(EditCore& core) {
    TimeEditState& s = TimeStateOf(core);
    ParseTimeEditText(s, core.text);
    core.isNull = FALSE;
    RebuildTimeTexts(s);
}

void TakeSystemTime(TimeEditState& s) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    s.hour = now.wHour;
    s.minute = now.wMinute;
    s.second = now.wSecond;
    s.am = s.hour < 12;
}

}  // namespace

const EditBehavior kTimeBehavior = {SplitTimeFields, TypeCharHook, DeleteHook,
                                    RebuildHook,     ParseHook,    DisplayHook};

TimeEditState* FetchTimeState(HWND hwnd) {
    return FetchState<TimeEditState>(hwnd, ControlClass::TimeEdit);
}

bool TIME_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    const DWORD style = static_cast<DWORD>(create->style);
    auto* s = static_cast<TimeEditState*>(
        CreateEditState(hwnd, sizeof(TimeEditState), &kTimeBehavior, style));
    if (!s) return false;
    TakeSystemTime(*s);
    s->core.borderKind = static_cast<DWORD>(BorderKindAtCreation(hwnd, kTimeBorderBits, false));
    s->seconds = (style & kTimeSecondsBit) != 0;
    ReadSystemTimeFormat(*s);
    TakeDigitStyleFromBits(s->core, style);
    RebuildTimeTexts(*s);
    return true;
}

void TIME_NcDestroy(TimeEditState& s) {
    if (s.clockRunning) TIME_StopClock(s);
    DestroyEditState(s.core);
}

LRESULT TIME_SetFocus(TimeEditState& s) {
    EditCore& core = s.core;
    core.hasFocus = TRUE;
    RebuildTimeTexts(s);
    CollapseSelection(core, 0);
    core.currentField = 0;
    if (!core.isNull) SelectField(core, 0);
    core.caret = 0;
    CreateEditCaret(core, !core.readOnly || core.digitStyle == kBitmapDigits);
    InvalidateRect(core.hwnd, nullptr, FALSE);
    NotifyParent(core.hwnd, EN_SETFOCUS);
    return 0;
}

}  // namespace tw
