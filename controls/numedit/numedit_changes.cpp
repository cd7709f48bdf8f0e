// Text changes of the numeric edit (see numedit_changes.h).

#include "controls/numedit/numedit_changes.h"

#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_notify.h"

namespace tw {
namespace {

constexpr char kNullForm[] = " ";

void WriteText(NumEditState& s, const std::string& text) {
    lstrcpynA(s.core.text, text.c_str(), kEditTextCapacity);
}

// EN_ERRSPACE for a cut text; false when the parent destroyed the control on it.
bool ReportCut(NumEditState& s, bool cut) {
    if (!cut) return true;
    HWND hwnd = s.core.hwnd;
    NotifyParent(hwnd, EN_ERRSPACE);
    return NumEditAlive(hwnd, &s);
}

// The display form while unfocused: the format's in the formatted style, the plain integer
// with the bitmap digits; null when the edit text itself shows.
bool UnfocusedForm(const NumEditState& s, std::string& form) {
    if (s.core.hasFocus) return false;
    NumberLook look = LookOf(s);
    if (s.core.digitStyle == kBitmapDigits) {
        look.format = 1;
    } else if (!s.formatted || s.core.digitStyle != kPlainText) {
        return false;
    }
    form = DisplayText(s.core.text, look);
    return true;
}

}  // namespace

NumberEditBuffer BufferOf(const NumEditState& s) {
    NumberEditBuffer buffer;
    buffer.text = s.core.text;
    buffer.selStart = s.core.selStart;
    buffer.selEnd = s.core.selEnd;
    buffer.caret = s.core.caret;
    return buffer;
}

bool NumEditAlive(HWND hwnd, const NumEditState* s) {
    return EditStillAlive(hwnd, &s->core, kNumEditStateWord);
}

void RefreshShownText(NumEditState& s) {
    std::string form;
    if (s.core.isNull) {
        form = kNullForm;
    } else if (!UnfocusedForm(s, form)) {
        s.core.shown = nullptr;
        return;
    }
    lstrcpynA(s.shown, form.c_str(), sizeof s.shown);
    s.core.shown = s.shown;
}

bool StoreProgrammaticText(NumEditState& s, std::string text) {
    EditCore& core = s.core;
    const bool cut = CutToLimit(text, s.textLimit);
    WriteText(s, text);
    if (!ReportCut(s, cut)) return false;
    core.isNull = FALSE;
    core.modified = FALSE;
    CollapseSelection(core, 0);
    RefreshShownText(s);
    if (!PlaceCaret(core)) return false;
    HWND hwnd = core.hwnd;  // painting asks the parent for colours, which may end the control
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (!(style & kNumNoRedrawOnSetBit)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
    SendMessageA(hwnd, kChangeHookMessage, 0, 0);
    return NumEditAlive(hwnd, &s);
}

bool StoreUserText(NumEditState& s, const NumberEditBuffer& buffer, bool cutAtLimit) {
    EditCore& core = s.core;
    WriteText(s, buffer.text);
    CollapseSelection(core, buffer.caret);
    core.modified = TRUE;
    core.isNull = FALSE;
    RefreshShownText(s);
    if (!PlaceCaret(core)) return false;
    if (!ReportCut(s, cutAtLimit)) return false;
    HWND hwnd = core.hwnd;
    NotifyUserChange(core);
    return NumEditAlive(hwnd, &s);
}

bool ReformatEditText(NumEditState& s, char oldDecimalSep) {
    if (s.core.isNull) return true;
    std::string text = NormaliseEditText(s.core.text, oldDecimalSep, LookOf(s));
    const bool cut = CutToLimit(text, s.textLimit);
    WriteText(s, text);
    CollapseSelection(s.core, s.core.caret);
    return ReportCut(s, cut);
}

}  // namespace tw
