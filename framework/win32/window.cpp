#include "framework/win32/window.h"

#include <vector>

#include "framework/win32/window_barrier.h"

namespace tw {

namespace {

const char kObjectProp[] = "tw.window.object";

// The object being created: WM_NCCREATE and the messages before it find it here.
thread_local CWindowImpl* creating = nullptr;

}  // namespace

std::string CWindow::GetText() const {
    if (hwnd_ == nullptr) return std::string();
    int length = ::GetWindowTextLengthA(hwnd_);
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    ::GetWindowTextA(hwnd_, buffer.data(), length + 1);
    return std::string(buffer.data());
}

void CWindow::SetText(const std::string& text) const {
    if (hwnd_ != nullptr) ::SetWindowTextA(hwnd_, text.c_str());
}

RECT CWindow::ClientRect() const {
    RECT rc{0, 0, 0, 0};
    if (hwnd_ != nullptr) ::GetClientRect(hwnd_, &rc);
    return rc;
}

RECT CWindow::WindowRect() const {
    RECT rc{0, 0, 0, 0};
    if (hwnd_ != nullptr) ::GetWindowRect(hwnd_, &rc);
    return rc;
}

WINDOWPLACEMENT CWindow::Placement() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (hwnd_ != nullptr) ::GetWindowPlacement(hwnd_, &placement);
    return placement;
}

void CWindow::SetPlacement(const WINDOWPLACEMENT& placement) const {
    WINDOWPLACEMENT copy = placement;
    copy.length = sizeof copy;
    if (hwnd_ != nullptr) ::SetWindowPlacement(hwnd_, &copy);
}

void CWindow::AppendSystemMenuItem(UINT id, const std::string& text) const {
    HMENU menu = hwnd_ != nullptr ? ::GetSystemMenu(hwnd_, FALSE) : nullptr;
    if (menu == nullptr) return;
    if (id == 0) {
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else {
        ::AppendMenuA(menu, MF_STRING, id, text.c_str());
    }
}

void CWindow::Destroy() {
    if (IsWindow()) ::DestroyWindow(hwnd_);
}

CWindowImpl::~CWindowImpl() {
    if (IsWindow()) {
        Detach();
        ::DestroyWindow(hwnd_);
    }
}

CWindowImpl* CWindowImpl::FromHandle(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    return static_cast<CWindowImpl*>(::GetPropA(hwnd, kObjectProp));
}

bool CWindowImpl::RegisterImplClass(const char* className, UINT style, HICON icon,
                                    HBRUSH background) {
    WNDCLASSA existing;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (::GetClassInfoA(instance, className, &existing)) return true;
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = &CWindowImpl::StaticWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return ::RegisterClassA(&wc) != 0;
}

bool CWindowImpl::CreateImpl(DWORD exStyle, const char* className, const char* title, DWORD style,
                             const RECT& rect, HWND parent, HMENU menuOrId) {
    bool placeByDefault = rect.left == static_cast<LONG>(CW_USEDEFAULT);
    int x = placeByDefault ? CW_USEDEFAULT : rect.left;
    int y = placeByDefault ? CW_USEDEFAULT : rect.top;
    int width = placeByDefault ? CW_USEDEFAULT : rect.right - rect.left;
    int height = placeByDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    creating = this;
    HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                  menuOrId, ::GetModuleHandleA(nullptr), this);
    creating = nullptr;
    return hwnd != nullptr;
}

void CWindowImpl::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    ::SetPropA(hwnd, kObjectProp, this);
}

void CWindowImpl::Detach() {
    if (hwnd_ != nullptr) ::RemovePropA(hwnd_, kObjectProp);
    hwnd_ = nullptr;
}

LRESULT CWindowImpl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) { return DefProc(msg, wp, lp); }

LRESULT CWindowImpl::DefProc(UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK CWindowImpl::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return HandleMessageGuarded(msg, 0, [&]() -> LRESULT {
        CWindowImpl* self = FromHandle(hwnd);
        if (self == nullptr && creating != nullptr) {
            self = creating;
            creating = nullptr;
            self->Attach(hwnd);
        }
        if (self == nullptr) return ::DefWindowProcA(hwnd, msg, wp, lp);
        LRESULT result = self->WindowProc(msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            self->Detach();
            self->OnFinalMessage();
        }
        return result;
    });
}

HINSTANCE ResourceInstance() { return ::GetModuleHandleA(nullptr); }

std::string LoadResourceString(UINT id) {
    char buffer[1024];
    int length = ::LoadStringA(ResourceInstance(), id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

}  // namespace tw
