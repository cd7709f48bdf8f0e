#pragma once
// The outline list's private messages (0x52C to 0x583) and the standard list-box messages,
// each answered by the handler its function uses.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

// True when `msg` is one of them; its answer in `result`.
bool OLB_PrivateMessage(OutlineState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool OLB_ListBoxMessage(OutlineState& s, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace tw
