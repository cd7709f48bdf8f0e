// dtbl32demo: a window at the top-left of the screen showing a time table of 1,000 rows in
// the DataTbl32 grid, with the active row in bold and a few rows selected.
#include <windows.h>

#include <cstring>

#include "grid/demo/demo_rows.h"

namespace {

constexpr int kGridId = 197;
constexpr int kRows = 1000;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
        case WM_SIZE: {
            HWND grid = GetDlgItem(hwnd, kGridId);
            if (grid) MoveWindow(grid, 8, 8, LOWORD(l) - 16, HIWORD(l) - 16, TRUE);
            return 0;
        }
        case WM_SETFOCUS: SetFocus(GetDlgItem(hwnd, kGridId)); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(hwnd, msg, w, l);
    }
}

void ShowActiveRowBold(tw::CGridCtrl& grid, int row) {
    LOGFONTA font = {};
    HDC dc = GetDC(nullptr);
    font.lfHeight = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    font.lfWeight = FW_BOLD;
    std::strcpy(font.lfFaceName, "MS Sans Serif");
    grid.SetCurrentCell(0, row);
    grid.SetRowFont(font);
}

}  // namespace

// Command line: "edit" opens the in-cell editor on the current cell, with its drop-down list.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    if (LoadLibraryA("dtbl32.dll") == nullptr) {
        MessageBoxA(nullptr, "dtbl32.dll could not be loaded.", "dtbl32demo", MB_ICONSTOP);
        return 1;
    }
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "Dtbl32DemoFrame";
    RegisterClassA(&wc);
    HWND frame =
        CreateWindowExA(0, wc.lpszClassName, "Time Table - dtbl32 demo", WS_OVERLAPPEDWINDOW, 0, 0,
                        1180, 640, nullptr, nullptr, instance, nullptr);
    HWND gridWindow = CreateWindowExA(WS_EX_CLIENTEDGE, "DataTbl32", "TimeTable",
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8, 8, 1100, 560, frame,
                                      reinterpret_cast<HMENU>(kGridId), instance, nullptr);
    tw::CGridCtrl grid(gridWindow);
    tw::demo::SetupTimeTableColumns(grid);
    tw::demo::FillSampleRows(grid, kRows);
    grid.SetSortColumn(grid.FindColumn("START_DATE"), 1);
    grid.SetSortAscending(true, 1);
    grid.SetSortColumn(grid.FindColumn("START_TIME"), 2);
    grid.SetSortAscending(true, 2);
    ShowActiveRowBold(grid, 3);
    grid.SelectRow(5, true);
    grid.SelectRow(6, true);
    grid.SetCurrentCell(grid.FindColumn("PROJECT"), 6);
    ShowWindow(frame, show);
    UpdateWindow(frame);
    SetFocus(gridWindow);
    if (commandLine != nullptr && std::strstr(commandLine, "edit") != nullptr) {
        grid.OpenEditor();
        HWND combo = GetParent(grid.GetEditorWindow());
        if (combo != gridWindow) PostMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
