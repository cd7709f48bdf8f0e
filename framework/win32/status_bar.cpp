#include "framework/win32/status_bar.h"

#include <commctrl.h>

#include "framework/command_ids.h"
#include "framework/framework_texts.h"

namespace tw {

namespace {

const int kIndicatorWidth = 40;

}  // namespace

std::string IndicatorText(UINT indicator) {
    switch (indicator) {
        case kIndicatorCaps: return "CAP";
        case kIndicatorNum: return "NUM";
        case kIndicatorScroll: return "SCRL";
        default: return std::string();
    }
}

bool IndicatorIsOn(UINT indicator) {
    int key = indicator == kIndicatorCaps     ? VK_CAPITAL
              : indicator == kIndicatorNum    ? VK_NUMLOCK
              : indicator == kIndicatorScroll ? VK_SCROLL
                                              : 0;
    return key != 0 && (::GetKeyState(key) & 1) != 0;
}

bool CStatusBar::Create(HWND parent, UINT id, const std::vector<UINT>& indicators) {
    indicators_ = indicators;
    hwnd_ = ::CreateWindowExA(0, STATUSCLASSNAMEA, nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP, 0, 0, 0, 0,
                              parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              ::GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    SetMessage(kTextReady);
    return true;
}

int CStatusBar::Height() const {
    if (!IsVisible()) return 0;
    RECT rc = WindowRect();
    return rc.bottom - rc.top;
}

std::string CStatusBar::PaneText(int pane) const {
    char buffer[256] = "";
    LRESULT length = Send(SB_GETTEXTLENGTHA, static_cast<WPARAM>(pane));
    if (LOWORD(length) >= sizeof buffer) return std::string();
    Send(SB_GETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void CStatusBar::SetMessage(const std::string& text) const {
    Send(SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CStatusBar::UpdateIndicators() const {
    for (size_t i = 0; i < indicators_.size(); ++i) {
        UINT indicator = indicators_[i];
        std::string text = IndicatorIsOn(indicator) ? IndicatorText(indicator) : std::string();
        if (PaneText(static_cast<int>(i + 1)) != text) {
            Send(SB_SETTEXTA, i + 1, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
}

void CStatusBar::Layout(int width, int height) const {
    if (!IsVisible()) return;
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    // The message pane takes what the indicators leave; the last pane runs to the grip.
    int panes = static_cast<int>(indicators_.size()) + 1;
    int messageEnd = width - ::GetSystemMetrics(SM_CXVSCROLL) - kIndicatorWidth * (panes - 1);
    std::vector<int> edges;
    for (int i = 0; i < panes - 1; ++i) edges.push_back(messageEnd + kIndicatorWidth * i);
    edges.push_back(-1);
    Send(SB_SETPARTS, static_cast<WPARAM>(panes), reinterpret_cast<LPARAM>(edges.data()));
}

}  // namespace tw
