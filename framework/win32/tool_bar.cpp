#include "framework/win32/tool_bar.h"

#include <commctrl.h>

namespace tw {

namespace {

std::vector<TBBUTTON> ButtonsOf(const std::vector<UINT>& commands) {
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (UINT command : commands) {
        TBBUTTON button{};
        button.idCommand = static_cast<int>(command);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = command == 0 ? BTNS_SEP : BTNS_BUTTON;
        button.iBitmap = command == 0 ? 0 : image++;
        buttons.push_back(button);
    }
    return buttons;
}

}  // namespace

bool CToolBar::Create(HWND parent, UINT id, const ToolBarLayout& layout) {
    hwnd_ = ::CreateWindowExA(
        0, TOOLBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_TOP, 0, 0,
        0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
        ::GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    images_ = layout.images;
    Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(layout.imageSize.cx, layout.imageSize.cy));
    Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(layout.buttonSize.cx, layout.buttonSize.cy));
    if (images_ != nullptr) {
        BITMAP info{};
        ::GetObjectA(images_, sizeof info, &info);
        TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(images_)};
        Send(TB_ADDBITMAP,
             static_cast<WPARAM>(info.bmWidth / std::max<LONG>(1, layout.imageSize.cx)),
             reinterpret_cast<LPARAM>(&add));
    }
    std::vector<TBBUTTON> buttons = ButtonsOf(layout.commands);
    Send(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    Send(TB_AUTOSIZE);
    return true;
}

CToolBar::~CToolBar() {
    if (images_ != nullptr) ::DeleteObject(images_);
}

int CToolBar::Height() const {
    if (!IsVisible()) return 0;
    RECT rc = WindowRect();
    return rc.bottom - rc.top;
}

bool CToolBar::IsChecked(UINT command) const { return Send(TB_ISBUTTONCHECKED, command) != 0; }

bool CToolBar::IsEnabled(UINT command) const { return Send(TB_ISBUTTONENABLED, command) != 0; }

void CToolBar::SetCheckButtons(const std::vector<UINT>& commands) {
    for (UINT command : commands) {
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_STYLE;
        Send(TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
        info.fsStyle = static_cast<BYTE>(info.fsStyle | BTNS_CHECK);
        Send(TB_SETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
    }
}

void CToolBar::SetButtonImage(UINT command, int image) {
    Send(TB_CHANGEBITMAP, command, MAKELPARAM(image, 0));
}

void CToolBar::Layout(int width) {
    if (!IsVisible()) return;
    int height = Height();
    ::MoveWindow(hwnd_, 0, 0, width, height, TRUE);
}

std::string ToolTipText(UINT command) {
    std::string text = LoadResourceString(command);
    size_t newline = text.find('\n');
    return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}

bool AnswerToolTipRequest(LPARAM lp) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (header == nullptr ||
        (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW)) {
        return false;
    }
    std::string tip = ToolTipText(static_cast<UINT>(header->idFrom));
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lp);
        lstrcpynA(info->szText, tip.c_str(), sizeof info->szText);
        info->lpszText = info->szText;
    } else {
        // A tool tip of the wide kind asks in UTF-16; the text is in the system code page.
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
        int size = static_cast<int>(sizeof info->szText / sizeof info->szText[0]);
        info->szText[0] = L'\0';
        ::MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info->szText, size);
        info->szText[size - 1] = L'\0';
        info->lpszText = info->szText;
    }
    return true;
}

}  // namespace tw
