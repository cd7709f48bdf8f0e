#pragma once
// The mouse on the outline list: the open/close mark, selection by click (Shift extends from
// the anchor, Control toggles; a click toggles in multiple-selection mode), double clicks,
// dragging the selection with the caret, and the scrolling timer 101 while the mouse is held
// beyond the rows.

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace tw {

LRESULT OLB_LeftButtonDown(OutlineState& s, int x, int y, WPARAM keys);
LRESULT OLB_LeftButtonDoubleClick(OutlineState& s, int x, int y, WPARAM keys);
LRESULT OLB_MouseMove(OutlineState& s, int x, int y);
LRESULT OLB_LeftButtonUp(OutlineState& s);
// Capture lost, WM_CANCELMODE, focus lost: the timer stops and the capture goes.
LRESULT OLB_CancelMode(OutlineState& s);
// One tick of the scrolling timer: a row towards the mouse when it is beyond the rows.
void OLB_ScrollTick(OutlineState& s);

// Stops the timer and releases the capture if the control holds them.
void StopTracking(OutlineState& s);

}  // namespace tw
