// Typing rules of the numeric edit (see number_typing.h).

#include "controls/numedit/number_typing.h"

#include <algorithm>

namespace tw {
namespace {

bool HasSelection(const NumberEditBuffer& b) { return b.selStart != b.selEnd; }
int SelectionFrom(const NumberEditBuffer& b) { return std::min(b.selStart, b.selEnd); }
int SelectionTo(const NumberEditBuffer& b) { return std::max(b.selStart, b.selEnd); }
int Length(const NumberEditBuffer& b) { return static_cast<int>(b.text.size()); }

// Where the next character goes: the selection's start, or the caret.
int TypingIndex(const NumberEditBuffer& b) { return HasSelection(b) ? SelectionFrom(b) : b.caret; }

void CollapseAt(NumberEditBuffer& b, int pos) {
    b.caret = b.selStart = b.selEnd = std::clamp(pos, 0, Length(b));
}

bool Covers(const NumberEditBuffer& b, size_t pos) {
    return HasSelection(b) && SelectionFrom(b) <= static_cast<int>(pos) &&
           static_cast<int>(pos) < SelectionTo(b);
}

bool CaretAt(const NumberEditBuffer& b, size_t pos) {
    return !HasSelection(b) && b.caret == static_cast<int>(pos);
}

// Insert mode replaces the selection (or inserts at the caret); overwrite mode replaces the
// selection and the character after it (or the character under the caret). The caret ends
// after the new character.
void PutChar(NumberEditBuffer& b, char c, bool insertMode, int limit, TypingResult& result) {
    const int from = TypingIndex(b);
    int to = HasSelection(b) ? SelectionTo(b) : b.caret;
    if (!insertMode) to = std::min(to + 1, Length(b));
    b.text.replace(from, to - from, 1, c);
    if (CutToLimit(b.text, limit)) result.cutAtLimit = true;
    CollapseAt(b, from + 1);
}

// The typed text written back in the edit form; the caret keeps its place among the digits.
void WriteBack(NumberEditBuffer& b, const NumberLook& look) {
    NumberParts before;
    if (!SplitNumberText(b.text, look.decimalSep, before)) return;
    NumberParts after = before;
    NormaliseParts(after, look);
    const int caret = MapCaret(before, after, b.caret, look.leadingZero);
    b.text = JoinNumberText(after, look.decimalSep, look.leadingZero);
    CollapseAt(b, caret);
}

// A value outside the range becomes its nearer end, written in the edit form.
bool ClampTyped(NumberEditBuffer& b, const NumberTypingRules& rules, double value) {
    const double clamped = ClampToRange(value, rules.range);
    if (clamped == value) return false;
    b.text = EditFormOfValue(clamped, rules.look);
    CollapseAt(b, b.caret);
    return true;
}

TypingResult TypeDigit(NumberEditBuffer& b, const NumberTypingRules& rules, char c,
                       bool insertMode) {
    TypingResult result;
    const char sep = rules.look.decimalSep;
    const bool onSeparator = !HasSelection(b) && b.caret < Length(b) && b.text[b.caret] == sep;
    if (!insertMode && onSeparator) insertMode = true;  // a digit goes in before the separator
    if (insertMode && CaretAt(b, 0) && !b.text.empty() && b.text[0] == '-') {
        result.outcome = TypingOutcome::Refused;
        return result;
    }
    NumberEditBuffer copy = b;
    PutChar(copy, c, insertMode, rules.limit, result);
    double value = 0;
    if (!ParseNumberText(copy.text, sep, value)) return TypingResult{TypingOutcome::Refused};
    result.clamped = ClampTyped(copy, rules, value);
    if (!result.clamped) WriteBack(copy, rules.look);
    if (CutToLimit(copy.text, rules.limit)) {
        result.cutAtLimit = true;
        CollapseAt(copy, copy.caret);
    }
    b = copy;
    result.outcome = TypingOutcome::Changed;
    return result;
}

bool MinusAllowed(const NumberEditBuffer& b) {
    const int at = TypingIndex(b);
    return at == 0 || (b.text[at - 1] == 'e' || b.text[at - 1] == 'E');
}

bool ExponentAllowed(const NumberEditBuffer& b) {
    const size_t existing = b.text.find_first_of("eE");
    if (existing == std::string::npos) return TypingIndex(b) != 0;
    return Covers(b, existing) || CaretAt(b, existing);
}

TypingResult TypeSeparator(NumberEditBuffer& b, const NumberTypingRules& rules, bool insertMode) {
    TypingResult result;
    if (rules.separatorRefused) return TypingResult{TypingOutcome::Refused};
    const size_t existing = b.text.find(rules.look.decimalSep);
    if (existing != std::string::npos && CaretAt(b, existing)) {
        CollapseAt(b, b.caret + 1);  // standing at the separator: step over it
        return TypingResult{TypingOutcome::Moved};
    }
    if (existing != std::string::npos && !Covers(b, existing))
        return TypingResult{TypingOutcome::Refused};
    PutChar(b, rules.look.decimalSep, insertMode, rules.limit, result);
    result.outcome = TypingOutcome::Changed;
    return result;
}

// The minus sign and the exponent letter go in by the insert and overwrite rule alone.
TypingResult TypeSign(NumberEditBuffer& b, const NumberTypingRules& rules, char c, bool insertMode,
                      bool allowed) {
    TypingResult result;
    if (!allowed) return TypingResult{TypingOutcome::Refused};
    PutChar(b, c, insertMode, rules.limit, result);
    result.outcome = TypingOutcome::Changed;
    return result;
}

}  // namespace

TypingResult TypeNumberChar(NumberEditBuffer& buffer, const NumberTypingRules& rules, char c,
                            bool insertMode) {
    buffer.caret = std::clamp(buffer.caret, 0, Length(buffer));
    buffer.selStart = std::clamp(buffer.selStart, 0, Length(buffer));
    buffer.selEnd = std::clamp(buffer.selEnd, 0, Length(buffer));
    if (TypingIndex(buffer) >= kLastTypingIndex) return TypingResult{};
    if (c >= '0' && c <= '9') return TypeDigit(buffer, rules, c, insertMode);
    if (c == '-') return TypeSign(buffer, rules, c, insertMode, MinusAllowed(buffer));
    if (c == 'e' || c == 'E')
        return TypeSign(buffer, rules, c, insertMode, ExponentAllowed(buffer));
    if (c == rules.look.decimalSep) return TypeSeparator(buffer, rules, insertMode);
    return TypingResult{TypingOutcome::Refused};
}

bool CutToLimit(std::string& text, int limit) {
    const size_t most = static_cast<size_t>(std::clamp(limit, 1, kMaxTextLimit));
    if (text.size() <= most) return false;
    text.resize(most);
    return true;
}

bool DeleteForward(NumberEditBuffer& buffer) {
    if (HasSelection(buffer)) {
        const int from = SelectionFrom(buffer);
        buffer.text.erase(from, SelectionTo(buffer) - from);
        CollapseAt(buffer, from);
        return true;
    }
    if (buffer.caret >= Length(buffer)) return false;
    buffer.text.erase(buffer.caret, 1);
    return true;
}

bool DeleteBackward(NumberEditBuffer& buffer) {
    if (HasSelection(buffer)) return DeleteForward(buffer);
    if (buffer.caret <= 0) return false;
    CollapseAt(buffer, buffer.caret - 1);
    return DeleteForward(buffer);
}

}  // namespace tw
