#pragma once
// The lifetime steps both edit controls share: state creation and release, the window
// procedure's frame, focus loss, and the ends of programmatic and user changes.

#include "controls/common/edit_core.h"

namespace tw {

// WM_NCCREATE: a zero-filled state block of `size` bytes (EditCore first) stored in the window
// word, with the edit-text block, the stock font and the default colours; null (nothing kept)
// when memory is short.
void* CreateEditState(HWND hwnd, size_t size, const EditBehavior* behavior, DWORD style);

// WM_NCDESTROY: clears the window word, frees the strips, the edit-text block and the state.
void DestroyEditState(HWND hwnd, EditCore* core);

// How a control's window procedure reaches its state.
struct EditWindowHooks {
    bool (*create)(HWND hwnd, const CREATESTRUCTA* create);
    EditCore* (*fetch)(HWND hwnd);
    void (*destroy)(HWND hwnd, EditCore* core);
    LRESULT (*dispatch)(EditCore& core, UINT msg, WPARAM wParam, LPARAM lParam);
};

// Hook adapters for a state type whose first member is its EditCore.
template <class State, State* (*Fetch)(HWND)>
EditCore* FetchCoreOf(HWND hwnd)
{
    State* s = Fetch(hwnd);
    return s ? &s->core : nullptr;
}

template <class State, void (*Destroy)(HWND, State*)>
void DestroyCoreOf(HWND hwnd, EditCore* core)
{
    Destroy(hwnd, reinterpret_cast<State*>(core));
}

// The frame of an edit's window procedure: creation at WM_NCCREATE, release at WM_NCDESTROY,
// default processing while there is no state, otherwise the control's dispatcher.
LRESULT RunEditWindowProc(const EditWindowHooks& hooks, HWND hwnd, UINT msg, WPARAM wParam,
                          LPARAM lParam);

// Losing the focus: unfocused text, EN_KILLFOCUS, caret destroyed, repaint.
void EditLostFocus(EditCore& core);

// After a programmatic change: selection cleared, first field current, texts rebuilt, caret
// placed, repainted now.
void ShowProgrammaticChange(EditCore& core);

// After an accepted user edit: modified, non-null, display rebuilt, change hook and
// EN_UPDATE, repaint, EN_CHANGE.
void FinishUserEdit(EditCore& core);

}  // namespace tw
