// Typing, stepping and deleting in the time edit.

#include "controls/time/time_edits.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/common/overwrite_typing.h"
#include "controls/time/time_format.h"

namespace tw {
namespace {

// Hour at most 23 (24-hour) or 12, minute and second below 60.
bool TimeFieldFits(const EditCore& core, int pos, int value) {
    const TimeEditState& s = TimeStateOf(core);
    const int kind = TimeFieldKindAt(s, pos);
    if (kind == kHourField) return value <= (s.hour24 ? 23 : 12);
    return kind == kDesignatorField || value < 60;
}

bool IsFieldBreak(const TimeEditState& s, int pos) {
    const char c = s.core.text[pos];
    return c == s.separator || c == ' ';
}

bool TypeOverHourSelection(TimeEditState& s, TypingText& t, int digit) {
    EditCore& core = s.core;
    const int start = core.selStart;
    if (TentativeFits(core, t, start, digit, TimeFieldFits)) {
        t.text[start] = static_cast<char>('0' + digit);
        CollapseSelection(core, start + 1);
        return true;
    }
    if (digit <= (s.hour24 ? 2 : 1)) {
        WriteTens(core, t, digit);
        return true;
    }
    SelectField(core, t.pos);
    return false;
}

void EmptyTimeText(const TimeEditState& s, char* out) {
    TimeEditState zero = s;
    zero.hour = zero.minute = zero.second = 0;
    zero.core.isNull = FALSE;
    zero.core.hasFocus = TRUE;
    FormatTimeText(zero, out);
}

}  // namespace

bool TypeTimeDigit(TimeEditState& s, int digit) {
    EditCore& core = s.core;
    HWND hwnd = core.hwnd;
    char empty[kEditTextCapacity];
    EmptyTimeText(s, empty);
    const bool wasNull = core.isNull != FALSE;
    TypingText t;
    BeginTyping(core, t, empty);
    const int kind = TimeFieldKindAt(s, t.pos);
    bool written = false;
    if (kind == kDesignatorField) {
        written = false;
    } else if (HasSelection(core) && kind == kHourField && IsFieldSelected(core, t.pos)) {
        written = TypeOverHourSelection(s, t, digit);
    } else {
        if (HasSelection(core)) CollapseSelection(core, core.selStart);
        written = OverwriteAtCaret(core, t, digit, TimeFieldFits);
    }
    if (written) {
        memcpy(core.text, t.text, sizeof t.text);
        ParseTimeEditText(s, core.text);
        FinishUserEdit(s.core);
        if (!EditStillAlive(hwnd, &s.core)) return true;
    } else if (wasNull) {
        core.text[0] = '\0';
    }
    SkipTimeSeparator(s);
    PlaceCaret(core);
    InvalidateRect(hwnd, nullptr, FALSE);
    return written;
}

void TypeTimeChar(TimeEditState& s, char c) {
    if (c >= '0' && c <= '9')
        TypeTimeDigit(s, c - '0');
    else
        SkipTimeSeparator(s);
}

void SkipTimeSeparator(TimeEditState& s) {
    EditCore& core = s.core;
    if (!HasSelection(core) && core.caret < TextLength(core) && IsFieldBreak(s, core.caret))
        CollapseSelection(core, core.caret + 1);
    if (!HasSelection(core)) FollowCaret(core);
}

void StepCurrentTimeField(TimeEditState& s, int delta) {
    EditCore& core = s.core;
    if (core.isNull) {
        s.hour = s.minute = s.second = 0;
        s.am = TRUE;
        core.isNull = FALSE;
        core.currentField = 0;
    }
    const int pos = core.currentField;
    switch (TimeFieldKindAt(s, pos)) {
        case kHourField:
            s.hour = static_cast<WORD>(std::clamp(s.hour + delta, 0, 23));
            s.am = s.hour < 12;
            break;
        case kMinuteField: s.minute = static_cast<WORD>(std::clamp(s.minute + delta, 0, 59)); break;
        case kSecondField: s.second = static_cast<WORD>(std::clamp(s.second + delta, 0, 59)); break;
        default:
            if (delta > 0 && s.hour < 12)
                s.hour = static_cast<WORD>(s.hour + 12);
            else if (delta < 0 && s.hour >= 12)
                s.hour = static_cast<WORD>(s.hour - 12);
            s.am = s.hour < 12;
            break;
    }
    RebuildTimeTexts(s);
    SelectField(core, pos);
    if (PlaceCaret(core)) FinishUserEdit(s.core);
}

void DeleteTimeAtCaret(TimeEditState& s) {
    EditCore& core = s.core;
    CollapseSelection(core, core.caret);
    FollowCaret(core);
    if (core.caret >= TextLength(core) || IsFieldBreak(s, core.caret) ||
        TimeFieldKindAt(s, core.currentField) == kDesignatorField) {
        PlaceCaret(core);
        return;
    }
    core.text[core.caret] = '0';
    ParseTimeEditText(s, core.text);
    HWND hwnd = core.hwnd;
    FinishUserEdit(core);
    if (EditStillAlive(hwnd, &core)) PlaceCaret(core);
}

void BackspaceTime(TimeEditState& s) {
    EditCore& core = s.core;
    if (HasSelection(core)) {
        const int start = core.selStart;
        core.text[start] = '\0';
        ParseTimeEditText(s, core.text);
        RebuildTimeTexts(s);
        CollapseSelection(core, start);
        FollowCaret(core);
        if (PlaceCaret(core)) RepaintTextArea(core);
        return;
    }
    if (core.caret == 0) return;
    CollapseSelection(core, core.caret - 1);
    FollowCaret(core);
    if (!IsFieldBreak(s, core.caret))
        DeleteTimeAtCaret(s);
    else
        PlaceCaret(core);
}

void DesignatorKey(TimeEditState& s, UINT vk) {
    EditCore& core = s.core;
    const char at = core.caret < TextLength(core) ? core.text[core.caret] : '\0';
    if (s.hour24 || !strchr("AaPp", at) || !at) return;
    const int key = toupper(static_cast<int>(vk));
    if (s.hour < 12 && key == toupper(static_cast<unsigned char>(s.pmDesignator[0])))
        s.hour = static_cast<WORD>(s.hour + 12);
    else if (s.hour >= 12 && key == toupper(static_cast<unsigned char>(s.amDesignator[0])))
        s.hour = static_cast<WORD>(s.hour - 12);
    s.am = s.hour < 12;
    RebuildTimeTexts(s);
    CollapseSelection(core, std::min(core.caret + 1, TextLength(core)));
    FollowCaret(core);
    if (PlaceCaret(core)) ReportUserChange(core);
}

}  // namespace tw
