// Overwrite typing shared by the edit controls (see overwrite_typing.h).

#include "controls/common/overwrite_typing.h"

#include <cstdlib>
#include <cstring>

#include "controls/common/edit_fields.h"

namespace tw {

int SpanValue(const char* text, const FieldSpan& span) {
    char digits[8] = "";
    int count = 0;
    for (int i = span.start; i < span.end && count < 7; ++i) {
        if (text[i] != ' ') digits[count++] = text[i];
    }
    digits[count] = '\0';
    return atoi(digits);
}

bool TentativeFits(const EditCore& core, const TypingText& t, int at, int digit,
                   FieldValueCheck check) {
    char tentative[kEditTextCapacity];
    memcpy(tentative, t.text, sizeof tentative);
    tentative[at] = static_cast<char>('0' + digit);
    return check(core, t.pos, SpanValue(tentative, t.spans[t.pos]));
}

void BeginTyping(EditCore& core, TypingText& t, const char* emptyText) {
    lstrcpynA(t.text, core.text[0] ? core.text : emptyText, sizeof t.text);
    memcpy(core.text, t.text, sizeof t.text);
    if (IsWholeTextSelected(core)) CollapseSelection(core, 0);
    t.fieldCount = CurrentSpans(core, t.spans);
    t.pos =
        HasSelection(core) ? core.currentField : FieldAtPosition(t.spans, t.fieldCount, core.caret);
    if (t.pos >= t.fieldCount) t.pos = t.fieldCount - 1;
    if (t.pos < 0) t.pos = 0;
    core.currentField = t.pos;
}

bool OverwriteAtCaret(EditCore& core, TypingText& t, int digit, FieldValueCheck check) {
    const int length = static_cast<int>(strlen(t.text));
    if (core.caret >= length) {
        SelectField(core, t.fieldCount - 1);
        return false;
    }
    if (!TentativeFits(core, t, core.caret, digit, check)) {
        SelectField(core, t.pos);
        return false;
    }
    t.text[core.caret] = static_cast<char>('0' + digit);
    CollapseSelection(core, core.caret + 1);
    return true;
}

void WriteTens(EditCore& core, TypingText& t, int digit) {
    const FieldSpan& span = t.spans[t.pos];
    t.text[span.start] = static_cast<char>('0' + digit);
    if (span.end - span.start >= 2) t.text[span.start + 1] = '0';
    CollapseSelection(core, span.start + 1);
}

}  // namespace tw
