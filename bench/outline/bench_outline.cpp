// Timings of the TarnHierList32 window through its messages under Wine: adding a million
// top-level items, row index to handle and handle to row index among a million rows, and
// opening a parent of 100,000 children.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/win_timing.h"
#include "controls/outline/tarn32_outline.h"

namespace {

using tw::bench::Report;
using tw::bench::Stopwatch;

constexpr int kItems = 1000000;
constexpr int kChildren = 100000;
constexpr int kLookups = 200000;

LRESULT Send(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(list, msg, wParam, lParam);
}

HWND CreateList(HWND parent) {
    return CreateWindowExA(0, TARN_OUTLINE_CLASS, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 400,
                           500, parent, reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr),
                           nullptr);
}

void TimeMillionRows(HWND parent) {
    HWND list = CreateList(parent);
    Send(list, WM_SETREDRAW, FALSE, 0);
    Stopwatch fill;
    for (int i = 0; i < kItems; ++i)
        Send(list, OLBM_ADDSTRING, 0, reinterpret_cast<LPARAM>("item text"));
    Report("add 1,000,000 top-level items", fill.Seconds(), "s", 0);
    Send(list, WM_SETREDRAW, TRUE, 0);

    std::srand(5);
    std::vector<long> rows;
    for (int i = 0; i < 4096; ++i)
        rows.push_back((long(std::rand()) * 32768 + std::rand()) % kItems);
    std::vector<HOLBITEM> handles;
    for (long row : rows) handles.push_back(HOLBITEM(Send(list, OLBM_INDEXTOHANDLE, row, 0)));

    LRESULT sum = 0;
    Stopwatch toHandle;
    for (int i = 0; i < kLookups; ++i) sum += Send(list, OLBM_INDEXTOHANDLE, rows[i & 4095], 0);
    Report("row index to handle (1,000,000 rows)", toHandle.Seconds() * 1e6 / kLookups, "us", 2.0);
    Stopwatch toRow;
    for (int i = 0; i < kLookups; ++i) sum += Send(list, OLBM_HANDLETOINDEX, handles[i & 4095], 0);
    Report("handle to row index (1,000,000 rows)", toRow.Seconds() * 1e6 / kLookups, "us", 2.0);
    if (sum == 42) std::printf("\n");
    DestroyWindow(list);
}

void TimeOpening(HWND parent) {
    HWND list = CreateList(parent);
    for (int i = 0; i < 1000; ++i) Send(list, OLBM_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
    const HOLBITEM top = HOLBITEM(Send(list, OLBM_INDEXTOHANDLE, 500, 0));
    Send(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kChildren; ++i)
        Send(list, OLBM_ADDCHILDSTRINGEX, top, reinterpret_cast<LPARAM>("child"));
    Send(list, WM_SETREDRAW, TRUE, 0);
    Stopwatch open;
    Send(list, OLBM_OPENITEM, 500, 0);
    Report("open a parent of 100,000 children", open.Seconds(), "s", 0.2);
    if (Send(list, OLBM_GETVISIBLECOUNT, 0, 0) != 1000 + kChildren) {
        std::printf("  (the rows did not come)\n");
        ++tw::bench::Misses();
    }
    DestroyWindow(list);
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (LoadLibraryA("tarn32.dll") == nullptr) {
        std::printf("tarn32.dll did not load\n");
        return 2;
    }
    HWND parent = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 440,
                                  560, nullptr, nullptr, nullptr, nullptr);
    TimeMillionRows(parent);
    TimeOpening(parent);
    DestroyWindow(parent);
    return tw::bench::Misses() == 0 ? 0 : 1;
}
