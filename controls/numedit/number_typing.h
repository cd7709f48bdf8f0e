#pragma once
// What a typed character or a deleting key does to the numeric edit's text: the insert and
// overwrite rule, the rules of digits, the minus sign, the exponent and the decimal separator,
// the range clamp and the text limit. Portable: no window system; the control applies the
// outcome (beeps, notifications, repaint).

#include <string>

#include "controls/numedit/number_convert.h"
#include "controls/numedit/number_display.h"

namespace tw {

constexpr int kLastTypingIndex = 15;  // a selection starting here or beyond takes nothing
constexpr int kMaxTextLimit = 63;     // the text block holds 63 characters and a terminator

// The text being edited with its selection; the caret stands at one end of the selection.
struct NumberEditBuffer {
    std::string text;
    int selStart = 0;
    int selEnd = 0;
    int caret = 0;
};

struct NumberTypingRules {
    NumberLook look;
    bool separatorRefused = false;  // bitmap digits, no decimals, formatted integer format
    int limit = kMaxTextLimit;      // 1..63
    NumberRange range;
};

enum class TypingOutcome {
    Ignored,  // taken by nothing, silently
    Refused,  // beeps; the text stays
    Moved,    // the caret moved, the text stays
    Changed,  // the text changed
};

struct TypingResult {
    TypingOutcome outcome = TypingOutcome::Ignored;
    bool clamped = false;     // a typed value was brought into the range (beeps)
    bool cutAtLimit = false;  // the text was cut at the limit (EN_ERRSPACE)
};

// Applies character `c` typed into `buffer` with the Insert toggle as `insertMode`.
TypingResult TypeNumberChar(NumberEditBuffer& buffer, const NumberTypingRules& rules, char c,
                            bool insertMode);

// Cuts `text` to `limit` characters; true when something was cut.
bool CutToLimit(std::string& text, int limit);

// Delete: the selection, or the character at the caret; false when nothing was deleted.
bool DeleteForward(NumberEditBuffer& buffer);
// Backspace: the selection, or the character before the caret; false at the start.
bool DeleteBackward(NumberEditBuffer& buffer);

}  // namespace tw
