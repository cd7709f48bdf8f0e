#pragma once
// Shows the hourglass for its lifetime and puts the previous cursor back after.

#include <windows.h>

namespace tw {

class CWaitCursor {
public:
    CWaitCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(previous_); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace tw
