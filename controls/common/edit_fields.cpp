// Field spans and selection rules of the edit controls (see edit_fields.h).

#include "controls/common/edit_fields.h"

#include <algorithm>
#include <cstring>

namespace tw {

int SplitAtDelimiters(const char* text, const char* delimiters, FieldSpan* spans) {
    int count = 0;
    int start = 0;
    const int length = static_cast<int>(strlen(text));
    for (int i = 0; i <= length && count < kMaxFields; ++i) {
        const bool atEnd = i == length;
        if (atEnd || strchr(delimiters, text[i])) {
            spans[count++] = {start, i};
            start = i + 1;
        }
    }
    return count;
}

int FieldAtPosition(const FieldSpan* spans, int count, int pos) {
    for (int i = 0; i < count; ++i) {
        if (pos <= spans[i].end) return i;
    }
    return count > 0 ? count - 1 : 0;
}

int CurrentSpans(const EditCore& core, FieldSpan* spans) {
    return core.behavior->splitFields(core, spans);
}

void FollowCaret(EditCore& core) {
    FieldSpan spans[kMaxFields];
    const int count = CurrentSpans(core, spans);
    core.currentField = FieldAtPosition(spans, count, core.caret);
}

void CollapseSelection(EditCore& core, int pos) {
    pos = std::clamp(pos, 0, TextLength(core));
    core.selStart = core.selEnd = core.caret = static_cast<WORD>(pos);
}

void SelectField(EditCore& core, int index) {
    FieldSpan spans[kMaxFields];
    const int count = CurrentSpans(core, spans);
    if (count == 0) return;
    index = std::clamp(index, 0, count - 1);
    core.selStart = static_cast<WORD>(spans[index].start);
    core.selEnd = core.caret = static_cast<WORD>(spans[index].end);
    core.currentField = index;
}

bool IsFieldSelected(const EditCore& core, int index) {
    FieldSpan spans[kMaxFields];
    const int count = CurrentSpans(core, spans);
    return index >= 0 && index < count && core.selStart == spans[index].start &&
           core.selEnd == spans[index].end && spans[index].end > spans[index].start;
}

bool IsWholeTextSelected(const EditCore& core) {
    const int length = TextLength(core);
    return length > 0 && core.selStart == 0 && core.selEnd == length;
}

void SetSelectionRange(EditCore& core, int start, int end) {
    const int length = TextLength(core);
    if (start == 0 && end == -1) {
        core.selStart = 0;
        core.selEnd = core.caret = static_cast<WORD>(length);
        return;
    }
    if (start == -1) {
        CollapseSelection(core, core.caret);
        return;
    }
    if (end < 0) end = length;
    if (start > end) std::swap(start, end);
    core.selStart = static_cast<WORD>(std::clamp(start, 0, length));
    core.selEnd = core.caret = static_cast<WORD>(std::clamp(end, 0, length));
}

}  // namespace tw
