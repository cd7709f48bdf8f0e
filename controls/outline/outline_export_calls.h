#pragma once
// How the outline list's exported functions reach their handlers: fetch the state, name the
// item, call the handler the message uses, all behind the exception barrier (no exception
// leaves the library); a window without state gives -1.

#include <windows.h>

#include "controls/outline/outline_state.h"
#include "framework/exception_barrier.h"

namespace tw {

// Runs `body(state)` on the outline list `hwnd`; OLB_ERR without state.
template <class Body>
LONG OnList(HWND hwnd, Body body) {
    return LONG(CallWithBarrier<LRESULT>(OLB_ERR, [&]() -> LRESULT {
        OutlineState* s = OutlineStateOf(hwnd);
        return s ? body(*s) : OLB_ERR;
    }));
}

// Items named by row or handle; the ...OrTop forms take -1 or 0 for the top level.
inline uint32_t Row(const OutlineState& s, LONG row) { return RowSlot(s, row); }
inline uint32_t RowOrTop(const OutlineState& s, LONG row) { return RowSlot(s, row, true); }
inline uint32_t Item(const OutlineState& s, HOLBITEM item) { return HandleSlot(s, item); }
inline uint32_t ItemOrTop(const OutlineState& s, HOLBITEM item) {
    return HandleSlot(s, item, true);
}

}  // namespace tw
