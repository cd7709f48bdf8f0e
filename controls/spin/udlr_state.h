#pragma once
// State of one four-way spin window (TarnUDLR32), kept in its extra bytes at offset 6, and its
// creation and destruction.

#include <windows.h>

#include "controls/spin/udlr_rules.h"

namespace tw {

constexpr int kUdlrStateOffset = 6;  // of the class's 10 extra bytes

// The repeat's phases while an arrow is held.
enum RepeatPhase : LONG { kNotRepeating = 0, kFirstDelay = 1, kRepeating = 2 };

struct UdlrState {
    HBITMAP pictures[kUdlrAreaCount];  // at rest, then up, down, left, right pressed
    LONG repeatPhase;                  // RepeatPhase
    UINT_PTR repeatTimer;              // the running repeat timer; 0 for none
    LONG pressedArea;                  // UdlrArea under the held button
    BOOL tracking;                     // the left button is held (the mouse is captured)
    BOOL disabled;
    HWND self;
};
static_assert(sizeof(void*) != 4 || sizeof(UdlrState) == 44, "the state block keeps its size");

// The state of a four-way spin window; null for any other window or one without state.
UdlrState* FetchUdlrState(HWND hwnd);

// WM_NCCREATE: allocates the state and loads the five pictures; false, nothing kept, when
// memory or a picture is missing.
bool UDLR_NcCreate(HWND hwnd, const CREATESTRUCTA* create);

// WM_NCDESTROY: stops the repeat, frees the pictures and the state.
void UDLR_NcDestroy(UdlrState& s);

}  // namespace tw
