// Test support for tarn32.dll (see control_test_support.h).

#include "control_test_support.h"

namespace tw::test {
namespace {

constexpr const char* kParentClass = "TarnTestParent";

void RegisterParentClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kParentClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    registered = true;
}

}  // namespace

HMODULE TarnModule() {
    static HMODULE module = LoadLibraryA("tarn32.dll");
    return module;
}

RecordingParent::RecordingParent() {
    TarnModule();
    RegisterParentClass(Proc);
    hwnd_ = CreateWindowExA(0, kParentClass, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                            300, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

RecordingParent::~RecordingParent() {
    if (hwnd_) DestroyWindow(hwnd_);
}

HWND RecordingParent::CreateChild(const char* className, DWORD style, int id, int width, int height,
                                  DWORD exStyle) {
    return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, 10, 10, width,
                           height, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

std::vector<WORD> RecordingParent::Codes() const {
    std::vector<WORD> codes;
    for (const Notification& n : notifications_) codes.push_back(n.code);
    return codes;
}

LRESULT CALLBACK RecordingParent::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordingParent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_COMMAND && self) {
        self->notifications_.push_back(
            {LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        if (self->destroyOn_ && HIWORD(wParam) == self->destroyOn_)
            DestroyWindow(reinterpret_cast<HWND>(lParam));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PressKey(HWND hwnd, UINT vk) {
    SendMessageA(hwnd, WM_KEYDOWN, vk, 1);
    if ((vk >= '0' && vk <= '9') || vk == VK_SPACE) SendMessageA(hwnd, WM_CHAR, vk, 1);
    SendMessageA(hwnd, WM_KEYUP, vk, 0xC0000001);
}

void TypeDigits(HWND hwnd, const char* digits) {
    for (; *digits; ++digits) PressKey(hwnd, static_cast<UINT>(*digits));
}

HeldKey::HeldKey(int vk) : vk_(vk) {
    BYTE state[256];
    GetKeyboardState(state);
    state[vk_] |= 0x80;
    SetKeyboardState(state);
}

HeldKey::~HeldKey() {
    BYTE state[256];
    GetKeyboardState(state);
    state[vk_] &= ~0x80;
    SetKeyboardState(state);
}

constexpr const char* kOriginalProc = "tw.test.original";

PermissionRefuser::PermissionRefuser(HWND hwnd) : hwnd_(hwnd) {
    SetPropA(hwnd, kOriginalProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
}

PermissionRefuser::~PermissionRefuser() {
    if (!IsWindow(hwnd_)) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(GetPropA(hwnd_, kOriginalProc)));
    RemovePropA(hwnd_, kOriginalProc);
}

LRESULT CALLBACK PermissionRefuser::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == 0x49F) return 0;
    auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProc));
    return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::string WindowText(HWND hwnd) {
    char buffer[128] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

COLORREF PaintedPixel(HWND hwnd, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 100);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF pixel = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixel;
}

}  // namespace tw::test
