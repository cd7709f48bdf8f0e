// calendar_demo: a window at the top-left of the screen with the calendar's views side by
// side and a date edit with its calendar dropped down, for screenshots. Loads tarn32.dll.

#include <windows.h>

namespace {

struct Sample {
    DWORD style;
    int x, y, width, height;
};

const Sample kSamples[] = {
    {0x0001 | 0x0080 | 0x0100, 10, 10, 10, 10},   // one month, year field and month selector
    {0x0002 | 0x0080 | 0x0100, 330, 10, 10, 10},  // quarter across
    {0x0001 | 0x0040, 10, 260, 10, 10},           // display only
    {0x0001 | 0x0200, 10, 470, 300, 230},         // scaled
    {0x0010 | 0x0080, 330, 260, 10, 10},          // full year
};

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateFrame(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TwCalendarDemo";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "Calendar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           1270, 1010, nullptr, nullptr, instance, nullptr);
}

void SetSampleDate(HWND calendar) {
    DWORD date[3] = {10, 12, 2005};
    SendMessageA(calendar, 0x1471, 0, reinterpret_cast<LPARAM>(date));
}

// A date edit with its calendar dropped down.
void DropDateEdit(HWND frame, HINSTANCE instance, HMODULE library) {
    using SetDateFn = int(WINAPI*)(HWND, const WORD*);
    using DropFn = int(WINAPI*)(HWND);
    auto setDate =
        reinterpret_cast<SetDateFn>(reinterpret_cast<void*>(GetProcAddress(library, "dtSetDate")));
    auto drop = reinterpret_cast<DropFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "dtDropDownCalendar")));
    HWND edit =
        CreateWindowExA(WS_EX_CLIENTEDGE, "TarnDateEdit32", "", WS_CHILD | WS_VISIBLE | 0x0004, 940,
                        10, 140, 26, frame, nullptr, instance, nullptr);
    if (!setDate || !drop || !edit) return;
    WORD date[3] = {3, 31, 2000};
    setDate(edit, date);
    drop(edit);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HMODULE library = LoadLibraryA("tarn32.dll");
    if (!library) return 1;
    HWND frame = CreateFrame(instance);
    HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
    for (const Sample& s : kSamples) {
        HWND cal =
            CreateWindowExA(WS_EX_CLIENTEDGE, "TarnCalctl32", "", WS_CHILD | WS_VISIBLE | s.style,
                            s.x, s.y, s.width, s.height, frame, nullptr, instance, nullptr);
        if (!(s.style & 0x0200)) SendMessageA(cal, WM_SETFONT, WPARAM(font), TRUE);
        SetSampleDate(cal);
    }
    DropDateEdit(frame, instance, library);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
