// Test harness of the numeric edit (see numedit_harness.h).

#include "numedit_harness.h"

namespace tw::test {
namespace {

constexpr const char* kParentClass = "NumEditTestParent";
constexpr const char* kHarnessProp = "tw.test.harness";
constexpr const char* kOriginalProp = "tw.test.original";

std::string CommandName(WORD code) {
    switch (code) {
        case EN_SETFOCUS: return "setfocus";
        case EN_KILLFOCUS: return "killfocus";
        case EN_UPDATE: return "update";
        case EN_CHANGE: return "change";
        case EN_ERRSPACE: return "errspace";
        case EN_MAXTEXT: return "maxtext";
        case EN_HSCROLL: return "hscroll";
        default: return "command " + std::to_string(code);
    }
}

NumEditHarness* HarnessOf(HWND hwnd) {
    return static_cast<NumEditHarness*>(GetPropA(hwnd, kHarnessProp));
}

}  // namespace

NumEditHarness::NumEditHarness() {
    TarnModule();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kParentClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    parent_ = CreateWindowExA(0, kParentClass, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                              500, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetPropA(parent_, kHarnessProp, this);
}

NumEditHarness::~NumEditHarness() {
    RemovePropA(parent_, kHarnessProp);
    DestroyWindow(parent_);
}

HWND NumEditHarness::Create(DWORD style, const char* text, int id, int width, int height) {
    HWND edit = CreateWindowExA(
        0, "TarnNumEdit32", text, WS_CHILD | WS_VISIBLE | style, 10, 10, width, height, parent_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!edit) return nullptr;
    SetPropA(edit, kHarnessProp, this);
    SetPropA(edit, kOriginalProp,
             reinterpret_cast<HANDLE>(
                 SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc))));
    return edit;
}

NMEDITPARAMS NumEditHarness::Params(int format, int decimals) {
    NMEDITPARAMS p = {};
    p.format = static_cast<DWORD>(format);
    p.decimals = decimals;
    p.thousandsSeparator = ',';
    p.decimalSeparator = '.';
    p.leadingZero = 1;
    return p;
}

void NumEditHarness::Record(const std::string& event, HWND from) {
    log_.push_back(event);
    if (!destroyOn_.empty() && event == destroyOn_) DestroyWindow(from);
}

LRESULT CALLBACK NumEditHarness::ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    NumEditHarness* self = HarnessOf(hwnd);
    if (self && msg == WM_COMMAND) {
        self->Record(CommandName(HIWORD(wParam)), reinterpret_cast<HWND>(lParam));
        return 0;
    }
    if (self && msg == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const bool spin = static_cast<int>(header->code) == NMN_SPINPRESSED &&
                          header->idFrom == wParam &&
                          GetDlgCtrlID(header->hwndFrom) == static_cast<int>(wParam);
        self->Record(spin ? "spin" : "notify", header->hwndFrom);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK NumEditHarness::EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    NumEditHarness* self = HarnessOf(hwnd);
    auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProp));
    if (msg == NEM_OKTOCHANGE && self && self->refuse_) return 0;
    if (msg == TARN_MSG_CHANGED && self) self->Record("hook", hwnd);
    if (msg == WM_PAINT && self) ++self->paints_;
    if (msg == WM_NCDESTROY) {
        RemovePropA(hwnd, kHarnessProp);
        RemovePropA(hwnd, kOriginalProp);
    }
    return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

void TypeChars(HWND hwnd, const char* text) {
    for (; *text; ++text) SendMessageA(hwnd, WM_CHAR, static_cast<BYTE>(*text), 1);
}

void Key(HWND hwnd, UINT vk) { SendMessageA(hwnd, WM_KEYDOWN, vk, 1); }

void SetInsertMode(bool on) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_INSERT] = static_cast<BYTE>(on ? (state[VK_INSERT] | 1) : (state[VK_INSERT] & ~1));
    SetKeyboardState(state);
}

std::vector<COLORREF> ClientPixels(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

bool HasColourInColumns(HWND hwnd, COLORREF colour, int left, int right) {
    RECT client;
    GetClientRect(hwnd, &client);
    const std::vector<COLORREF> pixels = ClientPixels(hwnd);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = left; x < right && x < client.right; ++x)
            if (pixels[static_cast<size_t>(y) * client.right + x] == colour) return true;
    return false;
}

}  // namespace tw::test
