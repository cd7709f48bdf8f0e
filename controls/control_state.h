#pragma once
// Per-window state blocks: zero-filled movable global memory, locked for the window's
// lifetime, its pointer kept in a window extra word.

#include <windows.h>

#include <cstddef>

#include "controls/class_table.h"

namespace tw {

constexpr int kStateWordOffset = 8;  // window word of the date edit, time edit and calendar
constexpr size_t kEditTextBlockSize = 64;

// A locked, zero-filled block of `size` bytes; null when the allocation fails.
void* AllocateBlock(size_t size);
// Unlocks and frees a block from AllocateBlock; null is ignored.
void FreeBlock(void* block);

void StoreStatePointer(HWND hwnd, void* state, int offset = kStateWordOffset);

// The state of `hwnd` when it is a window of class `cls` that has one, else null.
void* FetchStatePointer(HWND hwnd, ControlClass cls, int offset = kStateWordOffset);

template <class State>
State* FetchState(HWND hwnd, ControlClass cls) {
    return static_cast<State*>(FetchStatePointer(hwnd, cls));
}

// What an exported function does: hands the window's state (from FetchState) to the handler
// its message uses, or gives `failure` for a window without state.
template <class Result, class State, class Handler, class... Args>
Result CallOnState(State* state, Result failure, Handler handler, Args... args) {
    return state ? static_cast<Result>(handler(*state, args...)) : failure;
}

}  // namespace tw
