#include "app/win32/help_window.h"

#include <string>

#include "app/res/resource.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

constexpr const char* kHelpClass = "TallywickHelp";
constexpr int kTextId = 1;

HWND g_help = nullptr;

class CHelpWindow : public CWindowImpl {
public:
    bool Create(HWND owner) {
        RegisterImplClass(kHelpClass, CS_HREDRAW | CS_VREDRAW, nullptr,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
        return CreateImpl(0, kHelpClass, "Tallywick Help", WS_OVERLAPPEDWINDOW, rect, owner,
                          nullptr);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
            case WM_CREATE: return OnCreate();
            case WM_SIZE: ::MoveWindow(Item(kTextId), 0, 0, LOWORD(lp), HIWORD(lp), TRUE); return 0;
            case WM_SETFOCUS: ::SetFocus(Item(kTextId)); return 0;
            case WM_DESTROY:
                if (font_ != nullptr) ::DeleteObject(font_);
                g_help = nullptr;
                break;
            default: break;
        }
        return CWindowImpl::WindowProc(msg, wp, lp);
    }
    void OnFinalMessage() override { delete this; }

private:
    LRESULT OnCreate() {
        HWND text = ::CreateWindowExA(
            WS_EX_CLIENTEDGE, "EDIT", "",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
            0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTextId)),
            ::GetModuleHandleA(nullptr), nullptr);
        if (text == nullptr) return -1;
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        font_ = ::CreateFontIndirectA(&metrics.lfMessageFont);
        ::SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        size_t length = 0;
        const char* help = HelpText(length);
        ::SetWindowTextA(text, std::string(help, length).c_str());
        return 0;
    }

    HFONT font_ = nullptr;
};

}  // namespace

const char* HelpText(size_t& length) {
    length = 0;
    HRSRC found = ::FindResourceA(ResourceInstance(), MAKEINTRESOURCEA(IDR_HELP_TEXT), RT_RCDATA);
    HGLOBAL loaded = found ? ::LoadResource(ResourceInstance(), found) : nullptr;
    const char* text = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    if (text != nullptr) length = ::SizeofResource(ResourceInstance(), found);
    return text != nullptr ? text : "";
}

HWND ShowHelpWindow(HWND owner) {
    if (g_help != nullptr && ::IsWindow(g_help)) {
        ::ShowWindow(g_help, SW_SHOWNORMAL);
        ::SetForegroundWindow(g_help);
        return g_help;
    }
    auto* window = new CHelpWindow;
    if (!window->Create(owner)) {
        delete window;
        return nullptr;
    }
    g_help = window->Handle();
    ::SetWindowPos(g_help, nullptr, 0, 0, 560, 520, SWP_NOMOVE | SWP_NOZORDER);
    ::ShowWindow(g_help, SW_SHOWNORMAL);
    return g_help;
}

}  // namespace tw
