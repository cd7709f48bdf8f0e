// Overwrite typing of digits into the date edit's fields.

#include <cstring>

#include "controls/common/edit_caret.h"
#include "controls/common/edit_fields.h"
#include "controls/common/edit_lifecycle.h"
#include "controls/common/edit_notify.h"
#include "controls/common/overwrite_typing.h"
#include "controls/date/date_edits.h"
#include "controls/date/date_format.h"
#include "controls/date/date_rules.h"

namespace tw {
namespace {

// A day within the current month, a month below 13, a year of 0-9999.
bool DateFieldFits(const EditCore& core, int pos, int value) {
    const DateEditState& s = DateStateOf(core);
    const DateField kind = FieldKindAt(s, pos);
    if (kind == DateField::Day) return value <= EditMonthLength(s.month, s.year);
    if (kind == DateField::Month) return value < 13;
    return value >= 0 && value <= 9999;
}

bool TypeOverSelectedDay(DateEditState& s, TypingText& t, int digit) {
    EditCore& core = s.core;
    const bool exact = IsFieldSelected(core, t.pos);
    const int start = core.selStart;
    if (t.pos == 0) {
        if (!exact || digit > 3) return false;
        WriteTens(core, t, digit);
        return true;
    }
    if (TentativeFits(core, t, start, digit, DateFieldFits)) {
        t.text[start] = static_cast<char>('0' + digit);
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

// A selection: the rules depend on the field and its position.
bool TypeOverSelection(DateEditState& s, TypingText& t, int digit) {
    EditCore& core = s.core;
    const DateField kind = FieldKindAt(s, t.pos);
    if (kind == DateField::Day) return TypeOverSelectedDay(s, t, digit);
    if (kind == DateField::Month) {
        if (!IsFieldSelected(core, t.pos) || digit > 1) return false;
        WriteTens(core, t, digit);
        return true;
    }
    CollapseSelection(core, core.selStart);
    return OverwriteAtCaret(core, t, digit, DateFieldFits);
}

void CommitTyping(DateEditState& s, const TypingText& t) {
    EditCore& core = s.core;
    memcpy(core.text, t.text, sizeof t.text);
    ParseEditTextBack(s, t.pos);
    FinishUserEdit(core);
}

}  // namespace

bool TypeDateDigit(DateEditState& s, int digit) {
    HWND hwnd = s.core.hwnd;
    const bool wasNull = s.core.isNull != FALSE;
    char zeros[kEditTextCapacity];
    DateEditState zeroDate = s;
    zeroDate.month = zeroDate.day = zeroDate.year = 0;
    zeroDate.core.isNull = FALSE;
    FormatEditText(zeroDate, true, zeros);

    TypingText t;
    BeginTyping(s.core, t, zeros);
    const bool written = HasSelection(s.core) ? TypeOverSelection(s, t, digit)
                                              : OverwriteAtCaret(s.core, t, digit, DateFieldFits);
    s.zeroTyped = digit == 0;
    if (written) {
        CommitTyping(s, t);
        if (!EditStillAlive(hwnd, &s.core)) return true;
    } else {
        if (wasNull) s.core.text[0] = '\0';
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    SkipSeparator(s);
    PlaceCaret(s.core);
    return written;
}

void TypeDateChar(DateEditState& s, char c) {
    if (c >= '0' && c <= '9') {
        TypeDateDigit(s, c - '0');
        return;
    }
    SkipSeparator(s);
}

void SkipSeparator(DateEditState& s) {
    EditCore& core = s.core;
    if (core.caret < TextLength(core) && core.text[core.caret] == s.format.separator &&
        !HasSelection(core)) {
        CollapseSelection(core, core.caret + 1);
    }
    if (!HasSelection(core)) FollowCaret(core);
}

}  // namespace tw
