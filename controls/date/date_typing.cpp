// Overwrite typing of digits into the date edit's fields.

#include <cstdlib>
#include <cstring>

#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_notify.h"
#include "controls/date/date_edits.h"
#include "controls/date/date_format.h"
#include "controls/date/date_rules.h"

namespace tw {
namespace {

// The text being typed into, with the field at the caret.
struct TypingContext {
    char text[kEditTextCapacity];
    FieldSpan spans[kMaxFields];
    int fieldCount;
    int pos;            // field position 0..2
    int kind;           // DateFieldKind of that field
};

int SpanValue(const char* text, const FieldSpan& span)
{
    char digits[8] = "";
    int count = 0;
    for (int i = span.start; i < span.end && count < 7; ++i) {
        if (text[i] != ' ')
            digits[count++] = text[i];
    }
    digits[count] = '\0';
    return atoi(digits);
}

// The tentative field value with `digit` at `at` passes the field's check.
bool TentativeValueFits(const DateEditState& s, const TypingContext& t, int at, int digit)
{
    char tentative[kEditTextCapacity];
    memcpy(tentative, t.text, sizeof tentative);
    tentative[at] = static_cast<char>('0' + digit);
    const int value = SpanValue(tentative, t.spans[t.pos]);
    if (t.kind == kDayField)
        return value <= EditMonthLength(s.month, s.year);
    if (t.kind == kMonthField)
        return value < 13;
    return value >= 0 && value <= 9999;
}

void WriteDigit(TypingContext& t, int at, int digit) { t.text[at] = static_cast<char>('0' + digit); }

// Writes the digit as the field's first digit with a second digit 0 (10, 20, 30 or 00).
void WriteTens(EditCore& core, TypingContext& t, int digit)
{
    const FieldSpan& span = t.spans[t.pos];
    WriteDigit(t, span.start, digit);
    if (span.end - span.start >= 2)
        t.text[span.start + 1] = '0';
    CollapseSelection(core, span.start + 1);
}

// Step 1: no selection; the digit replaces the character at the caret if the field allows.
bool TypeAtCaret(DateEditState& s, TypingContext& t, int digit)
{
    EditCore& core = s.core;
    const int length = static_cast<int>(strlen(t.text));
    if (core.caret >= length) {
        SelectField(core, t.fieldCount - 1);
        return false;
    }
    if (!TentativeValueFits(s, t, core.caret, digit)) {
        SelectField(core, t.pos);
        return false;
    }
    WriteDigit(t, core.caret, digit);
    CollapseSelection(core, core.caret + 1);
    return true;
}

bool TypeOverSelectedDay(DateEditState& s, TypingContext& t, int digit)
{
    EditCore& core = s.core;
    const bool exact = IsFieldSelected(core, t.pos);
    const int start = core.selStart;
    if (t.pos == 0) {
        if (!exact || digit > 3)
            return false;
        WriteTens(core, t, digit);
        return true;
    }
    if (TentativeValueFits(s, t, start, digit)) {
        WriteDigit(t, start, digit);
        CollapseSelection(core, start + 1);
        return true;
    }
    const int tensLimit = s.month == 2 ? 2 : 3;
    if (t.pos == 1 && digit <= tensLimit) {
        WriteTens(core, t, digit);
        return true;
    }
    SelectField(core, t.pos);
    return false;
}

// Step 2: a selection; the rules depend on the field and its position.
bool TypeOverSelection(DateEditState& s, TypingContext& t, int digit)
{
    EditCore& core = s.core;
    if (t.kind == kDayField)
        return TypeOverSelectedDay(s, t, digit);
    if (t.kind == kMonthField) {
        if (!IsFieldSelected(core, t.pos) || digit > 1)
            return false;
        WriteTens(core, t, digit);
        return true;
    }
    CollapseSelection(core, core.selStart);
    return TypeAtCaret(s, t, digit);
}

void PrepareTyping(DateEditState& s, TypingContext& t)
{
    EditCore& core = s.core;
    if (core.text[0] == '\0') {
        DateEditState zeros = s;
        zeros.month = zeros.day = zeros.year = 0;
        zeros.core.isNull = FALSE;
        FormatEditText(zeros, true, t.text);
    } else {
        memcpy(t.text, core.text, sizeof t.text);
    }
    memcpy(core.text, t.text, sizeof t.text);
    if (IsWholeTextSelected(core))
        CollapseSelection(core, 0);
    t.fieldCount = CurrentSpans(core, t.spans);
    t.pos = HasSelection(core) ? core.currentField
                               : FieldAtPosition(t.spans, t.fieldCount, core.caret);
    if (t.pos >= t.fieldCount)
        t.pos = t.fieldCount - 1;
    core.currentField = t.pos;
    t.kind = FieldKindAt(s, t.pos);
}

void CommitTyping(DateEditState& s, const TypingContext& t)
{
    EditCore& core = s.core;
    memcpy(core.text, t.text, sizeof t.text);
    ParseEditTextBack(s, t.pos);
    core.modified = TRUE;
    core.isNull = FALSE;
    FormatDisplayString(s, core.display);
    ReportUserChange(core);
}

}  // namespace

bool TypeDateDigit(DateEditState& s, int digit)
{
    HWND hwnd = s.core.hwnd;
    TypingContext t;
    PrepareTyping(s, t);
    const bool written = HasSelection(s.core) ? TypeOverSelection(s, t, digit)
                                              : TypeAtCaret(s, t, digit);
    s.zeroTyped = digit == 0;
    if (written) {
        CommitTyping(s, t);
        if (!IsWindow(hwnd))
            return true;
    } else if (!s.core.isNull || s.core.text[0]) {
        if (s.core.isNull)
            s.core.text[0] = '\0';
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    SkipSeparator(s);
    PlaceCaret(s.core);
    return written;
}

void TypeDateChar(DateEditState& s, char c)
{
    if (c >= '0' && c <= '9') {
        TypeDateDigit(s, c - '0');
        return;
    }
    SkipSeparator(s);
}

void SkipSeparator(DateEditState& s)
{
    EditCore& core = s.core;
    if (core.caret < TextLength(core) && core.text[core.caret] == s.format.separator &&
        !HasSelection(core)) {
        CollapseSelection(core, core.caret + 1);
    }
    if (!HasSelection(core))
        FollowCaret(core);
}

}  // namespace tw
