#pragma once
// The exception barrier every window procedure of the libraries, the framework and the program
// goes through. An exception while creating a window fails the creation (WM_NCCREATE gives
// FALSE, WM_CREATE -1); during any other message the message gives the procedure's own failure
// value. A line goes to the debugger output so the failure can be found.

#include <windows.h>

#include "framework/exception_barrier.h"

namespace tw {

// What a message gives when its handler threw: creation fails, other messages give `failure`.
inline LRESULT FailureResultOf(UINT msg, LRESULT failure) {
    if (msg == WM_NCCREATE) return FALSE;
    if (msg == WM_CREATE) return -1;
    return failure;
}

// Runs `handle` (which returns an LRESULT) behind the barrier.
template <typename Handler>
LRESULT HandleMessageGuarded(UINT msg, LRESULT failure, Handler&& handle) noexcept {
    bool threw = true;
    const LRESULT result = CallWithBarrier(FailureResultOf(msg, failure), [&]() -> LRESULT {
        const LRESULT r = handle();
        threw = false;
        return r;
    });
    if (threw) OutputDebugStringA("tallywick: a window message failed with an exception\n");
    return result;
}

}  // namespace tw
