// Deleting, emptying and stepping the date edit's fields.

#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/common/edit_selection.h"
#include "controls/date/date_edits.h"
#include "controls/date/date_format.h"
#include "controls/date/date_rules.h"

namespace tw {
void DeleteDateAtCaret(DateEditState& s) {
    EditCore& core = s.core;
    CollapseSelection(core, core.caret);
    const int length = TextLength(core);
    if (core.caret >= length || core.text[core.caret] == s.format.separator) {
        if (PlaceCaret(core)) InvalidateRect(core.hwnd, nullptr, FALSE);
        return;
    }
    core.text[core.caret] = '0';
    FollowCaret(core);
    ParseEditTextBack(s, core.currentField);
    HWND hwnd = core.hwnd;
    FinishUserEdit(core);
    if (EditStillAlive(hwnd, &core)) PlaceCaret(core);
}

void EmptyCurrentDateField(DateEditState& s) {
    EditCore& core = s.core;
    if (core.isNull) return;
    const int pos = core.currentField;
    const DateField kind = FieldKindAt(s, pos);
    (kind == DateField::Day ? s.day : kind == DateField::Month ? s.month : s.year) = kEmptyField;
    RebuildDateTexts(s);
    FieldSpan spans[kMaxFields];
    const int count = CurrentSpans(core, spans);
    if (pos + 1 < count) {
        CollapseSelection(core, spans[pos + 1].start);
        core.currentField = pos + 1;
    } else if (core.caret < TextLength(core)) {
        CollapseSelection(core, core.caret + 1);
    } else {
        MessageBeep(MB_ICONHAND);
        CollapseSelection(core, core.caret);
    }
    if (PlaceCaret(core)) InvalidateRect(core.hwnd, nullptr, FALSE);
}

void StepCurrentDateField(DateEditState& s, int delta) {
    EditCore& core = s.core;
    if (core.isNull) {
        s.month = s.day = s.year = 0;
        core.isNull = FALSE;
    }
    const int pos = core.currentField;
    StepDateField(s, FieldKindAt(s, pos), delta);
    core.isNull = FALSE;
    RebuildDateTexts(s);
    SelectField(core, pos);
    if (PlaceCaret(core)) FinishUserEdit(s.core);
}

LRESULT DATE_SetSel(DateEditState& s, int start, int end) {
    s.zeroTyped = FALSE;
    return EDIT_SetSel(s.core, start, end);
}

}  // namespace tw
