#pragma once
// Applies the update handlers' states to what the user sees: the items of a menu that is about
// to open, and the buttons of a tool bar at idle.

#include <windows.h>

#include "framework/command_target.h"

namespace tw {

// Asks chain about every command item of menu (not its submenus) and sets their enabled,
// checked and text state.
void UpdateMenuItems(HMENU menu, const CommandChain& chain);

// Asks chain about every button of the tool bar window and sets enabled and checked state.
void UpdateToolBarButtons(HWND toolBar, const CommandChain& chain);

// Applies one state to a menu item or a tool bar button (fields left unset change nothing).
void ApplyToMenuItem(HMENU menu, UINT position, const CommandState& state);
void ApplyToToolBarButton(HWND toolBar, const CommandState& state);

}  // namespace tw
