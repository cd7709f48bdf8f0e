// Creation, destruction, focus and the shared-machinery hooks of the numeric edit.

#include "controls/numedit/numedit_lifecycle.h"

#include <algorithm>

#include "controls/borders.h"
#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_font.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/control_state.h"
#include "controls/library_data.h"
#include "controls/numedit/numedit_changes.h"
#include "controls/numedit/numedit_settings.h"
#include "controls/numedit/numedit_spin.h"
#include "controls/numedit/numedit_typing.h"

namespace tw {
namespace {

constexpr int kSpinBitmapId = 700;

// The whole text is one field: selections and double clicks take characters of one number.
int SplitNumberField(const EditCore& core, FieldSpan* spans) {
    spans[0] = {0, TextLength(core)};
    return 1;
}

void TypeCharHook(EditCore& core, char c) { TypeCharAsKeyed(NumStateOf(core), c); }
void DeleteHook(EditCore& core) { DeleteSelectionOrNext(NumStateOf(core)); }
void ShownHook(EditCore& core) { RefreshShownText(NumStateOf(core)); }

// WM_SETTEXT: the text as it stands, cut at the limit; an empty text makes the control null.
void ParseHook(EditCore& core) {
    NumEditState& s = NumStateOf(core);
    core.text[std::min<int>(s.textLimit, kEditTextCapacity - 1)] = '\0';
    core.isNull = core.text[0] == '\0';
    RefreshShownText(s);
}

// The window text (a string, not a resource ordinal) cut to 63 characters, or "0".
void TakeWindowText(NumEditState& s, const char* name) {
    const bool given = name && HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 && name[0];
    lstrcpynA(s.core.text, given ? name : "0", kMaxTextLimit + 1);
    s.core.isNull = !given;
}

WORD AlignmentFromBits(DWORD style) {
    if (style & kNumCenterBit) return 1;
    if (style & kNumRightBit) return 2;
    return 0;
}

void TakeStyles(NumEditState& s, DWORD style) {
    TakeDigitStyleFromBits(s.core, style);
    s.formatted = (style & kNumFormattedBit) != 0;
    s.core.alignment = AlignmentFromBits(style);
    s.spinButtons = (style & kNumSpinButtonsBit) != 0;
    s.recordedBits = style & kNumRecordedBits;
}

}  // namespace

const EditBehavior kNumBehavior = {SplitNumberField, TypeCharHook, DeleteHook,
                                   ShownHook,        ParseHook,    ShownHook};

NumEditState* FetchNumEditState(HWND hwnd) {
    return static_cast<NumEditState*>(
        FetchStatePointer(hwnd, ControlClass::NumEdit, kNumEditStateWord));
}

bool NUM_NcCreate(HWND hwnd, const CREATESTRUCTA* create) {
    const DWORD style = static_cast<DWORD>(create->style);
    const size_t size = std::max(sizeof(NumEditState), kNumEditStateBytes);
    auto* s = static_cast<NumEditState*>(
        CreateEditState(hwnd, size, &kNumBehavior, style, kNumEditStateWord));
    if (!s) return false;
    s->textLimit = kMaxTextLimit;
    TakeWindowText(*s, create->lpszName);
    s->core.borderKind = static_cast<DWORD>(BorderKindAtCreation(hwnd, kDateBorderBits, true));
    TakeStyles(*s, style);
    s->spinBitmap = LoadBitmapA(LibraryModule(), MAKEINTRESOURCEA(kSpinBitmapId));
    s->delta = 1.0;
    s->useSystemSettings = TRUE;
    s->systemDigits = TRUE;
    TakeSystemSettings(*s);
    RefreshShownText(*s);
    return true;
}

void NUM_NcDestroy(NumEditState& s) {
    EndSpin(s);
    if (s.spinBitmap) DeleteObject(s.spinBitmap);
    DestroyEditState(s.core);
}

LRESULT NUM_SetFocus(NumEditState& s) {
    EditCore& core = s.core;
    core.hasFocus = TRUE;
    RefreshShownText(s);
    if (core.readOnly || core.isNull)
        CollapseSelection(core, 0);
    else
        SetSelectionRange(core, 0, -1);
    CreateEditCaret(core, !core.readOnly);
    InvalidateRect(core.hwnd, nullptr, FALSE);
    NotifyParent(core.hwnd, EN_SETFOCUS);
    return 0;
}

}  // namespace tw
