// Timings of the DataTbl32 grid with 100,000 time-table rows: appending, sorting one level,
// finding a key, and painting the visible rows at 100 and at 100,000 rows.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win_timing.h"
#include "grid/demo/demo_rows.h"

namespace {

using tw::bench::Report;
using tw::bench::Stopwatch;

constexpr int kRows = 100000;

HWND CreateGrid(HWND parent) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, "DataTbl32", "TimeTable", WS_CHILD | WS_VISIBLE, 0, 0,
                           1000, 600, parent, reinterpret_cast<HMENU>(197),
                           GetModuleHandleA(nullptr), nullptr);
}

// Cost of one full paint: the best of several batches, so that other load on the machine
// does not count.
double PaintMicroseconds(HWND grid) {
    const int batches = 6, paints = 30;
    double best = 1e30;
    for (int b = 0; b < batches; ++b) {
        Stopwatch watch;
        for (int i = 0; i < paints; ++i) {
            InvalidateRect(grid, nullptr, FALSE);
            UpdateWindow(grid);
        }
        best = std::min(best, watch.Seconds() * 1e6 / paints);
    }
    return best;
}

double FillSeconds(tw::CGridCtrl& grid, int rows) {
    Stopwatch watch;
    tw::demo::FillSampleRows(grid, rows);
    return watch.Seconds();
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (LoadLibraryA("dtbl32.dll") == nullptr) {
        std::printf("dtbl32.dll did not load\n");
        return 2;
    }
    HWND parent = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  1020, 640, nullptr, nullptr, nullptr, nullptr);
    tw::CGridCtrl small(CreateGrid(parent));
    tw::demo::SetupTimeTableColumns(small);
    FillSeconds(small, 100);
    const double paintSmall = PaintMicroseconds(small.GetHwnd());
    DestroyWindow(small.GetHwnd());

    tw::CGridCtrl grid(CreateGrid(parent));
    tw::demo::SetupTimeTableColumns(grid);
    Report("append 100,000 rows", FillSeconds(grid, kRows), "s", 2.0);

    Stopwatch sortWatch;
    grid.SetSortColumn(grid.FindColumn("PROJECT"), 1);
    grid.SetSortAscending(true, 1);
    grid.SetSortNoCase(true, 1);
    grid.GetRowCount();  // the first message after the levels sorts the rows
    Report("sort 100,000 rows on one level", sortWatch.Seconds(), "s", 0.5);

    const int lookups = 100000;
    std::srand(7);
    long found = 0;
    Stopwatch findWatch;
    for (int i = 0; i < lookups; ++i) found += grid.FindKey(std::rand() % kRows) >= 0 ? 1 : 0;
    Report("find a row by its key", findWatch.Seconds() * 1e6 / lookups, "us", 10.0);
    if (found != lookups) std::printf("  (only %ld of %d keys found)\n", found, lookups);

    const double paintLarge = PaintMicroseconds(grid.GetHwnd());
    std::printf("%-34s %12.1f us\n", "paint visible rows, 100 rows", paintSmall);
    std::printf("%-34s %12.1f us\n", "paint visible rows, 100,000 rows", paintLarge);
    Report("paint cost ratio 100,000 / 100", paintLarge / paintSmall, "x", 1.5);
    DestroyWindow(parent);
    return tw::bench::Misses() == 0 ? 0 : 1;
}
