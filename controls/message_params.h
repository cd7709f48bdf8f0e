#pragma once
// Unpacking of message parameters for the window procedures' handlers.

#include <windows.h>

namespace tw {

// The pointer a message carries in a parameter.
template <class T>
T* PointerParam(LPARAM param) {
    return reinterpret_cast<T*>(param);
}

}  // namespace tw
