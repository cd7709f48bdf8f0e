#include "calendar_harness.h"

namespace tw::test {

namespace {

std::string g_missing;

template <typename F>
void Resolve(HMODULE module, F& fn, const char* name) {
    fn = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!fn && g_missing.empty()) g_missing = name;
}

CalendarApi LoadApi() {
    CalendarApi api;
    api.module = LoadLibraryA("tarn32.dll");
    if (!api.module) {
        g_missing = "library tarn32.dll";
        return api;
    }
    HMODULE m = api.module;
    Resolve(m, api.SetMonthLiterals, "ccSetMonthLiterals");
    Resolve(m, api.SetDOWLiterals, "ccSetDOWLiterals");
    Resolve(m, api.SetYear, "ccSetYear");
    Resolve(m, api.GetYear, "ccGetYear");
    Resolve(m, api.SetMonth, "ccSetMonth");
    Resolve(m, api.GetMonth, "ccGetMonth");
    Resolve(m, api.SetDay, "ccSetDay");
    Resolve(m, api.GetDay, "ccGetDay");
    Resolve(m, api.SetDate, "ccSetDate");
    Resolve(m, api.GetDate, "ccGetDate");
    Resolve(m, api.SetDateString, "ccSetDateString");
    Resolve(m, api.GetDateString, "ccGetDateString");
    Resolve(m, api.SetSundayColor, "ccSetSundayColor");
    Resolve(m, api.SetDayColor, "ccSetDayColor");
    Resolve(m, api.SetHighlightColor, "ccSetHighlightColor");
    Resolve(m, api.SetBkSundayColor, "ccSetBkSundayColor");
    Resolve(m, api.SetBkDayColor, "ccSetBkDayColor");
    Resolve(m, api.SetBkHighlightColor, "ccSetBkHighlightColor");
    Resolve(m, api.GetMinWidth, "ccGetMinWidth");
    Resolve(m, api.GetMinHeight, "ccGetMinHeight");
    Resolve(m, api.HideCalendar, "ccHideCalendar");
    return api;
}

void Record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Event e{hwnd, msg, 0, 0, nullptr, {0, 0, 0}};
    if (msg == WM_COMMAND) {
        e.id = LOWORD(wParam);
        e.code = HIWORD(wParam);
        e.control = reinterpret_cast<HWND>(lParam);
    }
    if (msg == kDtSetDate && lParam) {
        const WORD* date = reinterpret_cast<const WORD*>(lParam);
        e.date[0] = date[0];
        e.date[1] = date[1];
        e.date[2] = date[2];
    }
    Events().push_back(e);
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        Record(hwnd, msg, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kDtSetDate || msg == kPopupClosed || msg == WM_CANCELMODE) {
        Record(hwnd, msg, wParam, lParam);
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterOnce(const char* name, WNDPROC proc) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
}

}  // namespace

const CalendarApi& Calendar() {
    static CalendarApi api = LoadApi();
    return api;
}

std::string MissingExport() {
    Calendar();
    return g_missing;
}

std::vector<Event>& Events() {
    static std::vector<Event> events;
    return events;
}

TestParent::TestParent() {
    Calendar();
    RegisterOnce("TwCalendarTestParent", ParentProc);
    RegisterOnce("TwCalendarTestOwner", OwnerProc);
    hwnd_ = CreateWindowExA(0, "TwCalendarTestParent", "calendar test",
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 700, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    Events().clear();
}

TestParent::~TestParent() {
    DestroyWindow(hwnd_);
    Pump();
    Events().clear();
}

HWND TestParent::CreateOwner() {
    return CreateWindowExA(0, "TwCalendarTestOwner", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 20,
                           120, 24, hwnd_, reinterpret_cast<HMENU>(INT_PTR(kOwnerId)),
                           GetModuleHandleA(nullptr), nullptr);
}

HWND TestParent::CreateCalendar(DWORD style, int width, int height) {
    return CreateWindowExA(0, "TarnCalctl32", "", WS_CHILD | WS_VISIBLE | style, 10, 60, width,
                           height, hwnd_, reinterpret_cast<HMENU>(INT_PTR(kCalendarId)),
                           GetModuleHandleA(nullptr), nullptr);
}

HWND CreatePopupFor(HWND owner) {
    HWND popup =
        CreateWindowExA(WS_EX_TOPMOST, "TarnCalctl32", "",
                        WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_DLGFRAME | 0x0181, 0, 0,
                        10, 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (popup) SendMessageA(popup, 0x0591, WPARAM(owner), 0);
    return popup;
}

void DropDown(HWND popup, WORD month, WORD day, WORD year) {
    SetWindowPos(popup, HWND_TOPMOST, 30, 50, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    WORD date[3] = {month, day, year};
    SendMessageA(popup, 0x0592, 0, reinterpret_cast<LPARAM>(date));
    SetFocus(popup);
    Pump();
    Events().clear();
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::vector<Event> EventsOf(UINT message) {
    std::vector<Event> found;
    for (const Event& e : Events())
        if (e.message == message) found.push_back(e);
    return found;
}

void PressKey(HWND hwnd, UINT key, bool alt) {
    SendMessageA(hwnd, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? (1 << 29) | 1 : 1);
}

Snapshot::Snapshot(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageA(hwnd, WM_PRINTCLIENT, WPARAM(dc_), PRF_CLIENT);
}

Snapshot::~Snapshot() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Snapshot::At(int x, int y) const { return GetPixel(dc_, x, y); }

}  // namespace tw::test
