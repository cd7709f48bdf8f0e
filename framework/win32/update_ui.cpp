#include "framework/win32/update_ui.h"

#include <commctrl.h>

#include <vector>

#include "framework/win32/tool_bar.h"

namespace tw {

namespace {

// Items from here on are the system's (system commands, the MDI window list): no update
// handler speaks for them.
const UINT kFirstSystemItem = 0xF000;

// The command id of the item at position, or 0 for separators, submenus and system items.
UINT CommandItemId(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    if (!::GetMenuItemInfoA(menu, position, TRUE, &info)) return 0;
    if (info.hSubMenu != nullptr || (info.fType & MFT_SEPARATOR) != 0) return 0;
    return info.wID < kFirstSystemItem ? info.wID : 0;
}

void SetMenuItemText(HMENU menu, UINT position, const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer.data();
    ::SetMenuItemInfoA(menu, position, TRUE, &info);
}

}  // namespace

void ApplyToMenuItem(HMENU menu, UINT position, const CommandState& state) {
    if (state.Enabled()) {
        ::EnableMenuItem(menu, position,
                         MF_BYPOSITION | (*state.Enabled() ? MF_ENABLED : MF_GRAYED));
    }
    if (state.Check()) {
        bool on = *state.Check() != CheckState::Unchecked;
        ::CheckMenuItem(menu, position, MF_BYPOSITION | (on ? MF_CHECKED : MF_UNCHECKED));
    }
    if (state.Text()) SetMenuItemText(menu, position, *state.Text());
}

void UpdateMenuItems(HMENU menu, const CommandChain& chain) {
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = CommandItemId(menu, static_cast<UINT>(i));
        if (id == 0) continue;
        CommandState state(id);
        RouteUpdate(chain, state);
        ApplyToMenuItem(menu, static_cast<UINT>(i), state);
    }
}

void ApplyToToolBarButton(HWND toolBar, const CommandState& state) {
    WPARAM id = state.Id();
    if (state.Enabled()) {
        ::SendMessageA(toolBar, TB_ENABLEBUTTON, id,
                       MAKELPARAM(*state.Enabled() ? TRUE : FALSE, 0));
    }
    if (state.Check()) {
        CheckState check = *state.Check();
        ::SendMessageA(toolBar, TB_CHECKBUTTON, id, MAKELPARAM(check == CheckState::Checked, 0));
        ::SendMessageA(toolBar, TB_INDETERMINATE, id,
                       MAKELPARAM(check == CheckState::Indeterminate, 0));
    }
}

void UpdateToolBarButtons(HWND toolBar, const CommandChain& chain) {
    if (!HasVisibleStyle(toolBar)) return;
    int count = static_cast<int>(::SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!::SendMessageA(toolBar, TB_GETBUTTON, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(&button)) ||
            (button.fsStyle & BTNS_SEP) != 0) {
            continue;
        }
        CommandState state(static_cast<unsigned>(button.idCommand));
        RouteUpdate(chain, state);
        ApplyToToolBarButton(toolBar, state);
    }
}

}  // namespace tw
