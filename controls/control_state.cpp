// State block allocation and lookup (see control_state.h).

#include "controls/control_state.h"

namespace tw {

void* AllocateBlock(size_t size) {
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!handle) return nullptr;
    void* block = GlobalLock(handle);
    if (!block) GlobalFree(handle);
    return block;
}

void FreeBlock(void* block) {
    if (!block) return;
    HGLOBAL handle = GlobalHandle(block);
    if (!handle) return;
    GlobalUnlock(handle);
    GlobalFree(handle);
}

void StoreStatePointer(HWND hwnd, void* state, int offset) {
    SetWindowLongPtrA(hwnd, offset, reinterpret_cast<LONG_PTR>(state));
}

void* FetchStatePointer(HWND hwnd, ControlClass cls, int offset) {
    if (!IsWindowOfClass(hwnd, cls)) return nullptr;
    return reinterpret_cast<void*>(GetWindowLongPtrA(hwnd, offset));
}

}  // namespace tw
