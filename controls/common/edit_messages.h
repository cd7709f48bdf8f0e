#pragma once
// The standard edit messages every edit control answers through the shared machinery alone:
// its text as one line, the modified and read-only flags, the selection, the text area and
// the clipboard.

#include "controls/common/edit_core.h"

namespace tw {

// Handles `msg` when it is one of those messages, leaving the answer in `result`; false for
// any other message.
bool EDIT_StandardMessage(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace tw
