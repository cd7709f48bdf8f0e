// The program's time table with many records, timed under Wine: opening a document until its
// table is filled, RowOfRecord, a clock tick, Start and Stop at 10 and at 100,000 records, the
// marking commands, Copy, Paste and Delete over 10,000 selected rows among 100,000, the print
// pagination of 100,000 records, and opening 1,000,000 records with the peak memory it takes.
// The application runs in this process with settings of its own and a clock the harness moves.

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "app/res/resource.h"
#include "app/win32/tallywick_app.h"
#include "bench/support/bench_documents.h"
#include "bench/win_timing.h"
#include "doc/document.h"
#include "view/time_table_row.h"
#include "framework/command_line.h"
#include "framework/prompt.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/settings_store.h"
#include "tests/support/platform_doubles.h"
#include "view/grid_interface.h"
#include "view/sort_levels.h"
#include "view/win32/form_dlg.h"

namespace {

using tw::bench::Report;
using tw::bench::Stopwatch;

constexpr const char* kSettingsKey = "TallywickBench\\Program";
constexpr int kLookups = 100000;
constexpr int kStartStops = 100;
constexpr int kTicks = 600;
constexpr int kRounds = 5;  // each cost is the best of this many rounds
constexpr int kSelectedRows = 10000;

// Every message is printed and every question answered No, so nothing waits for a person.
class NoPrompter : public tw::IPrompter {
public:
    tw::PromptAnswer Ask(const std::string& text, tw::PromptButtons, tw::PromptIcon) override {
        std::printf("  (the program said: %s)\n", text.c_str());
        return tw::PromptAnswer::No;
    }
};

std::string TempFile(const std::string& name) {
    char folder[MAX_PATH] = "";
    ::GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

std::string SavedDocument(int records) {
    const std::string path = TempFile("tw_bench_program_" + std::to_string(records) + ".tw");
    if (!tw::bench::MakeDocument(records)->OnSaveDocument(path)) {
        std::printf("  (the document of %d records could not be saved)\n", records);
        ++tw::bench::Misses();
    }
    return path;
}

double PeakMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

class Bench {
public:
    Bench() : app_(kSettingsKey) {
        app_.SetCommandLine(tw::ParseCommandLine({}));
        app_.SetLibraryNames("dtbl32.dll", "tarn32.dll");
    }

    bool Start() {
        if (!app_.InitInstance()) return false;
        tw::Platform().clock = &clock_;
        app_.PumpPending();
        return true;
    }

    void Finish() {
        CloseDocuments();
        ::DestroyWindow(app_.MainWindow());
        app_.PumpPending();
        app_.ExitInstance();
    }

    // Opens `path`; its view (null on failure) and the seconds until its table was filled.
    tw::CFormDlg* Open(const std::string& path, long records, double& seconds) {
        Stopwatch watch;
        const bool opened = app_.OpenDocumentFile(path) != nullptr;
        app_.PumpPending();
        seconds = watch.Seconds();
        auto* view = dynamic_cast<tw::CFormDlg*>(app_.MainFrame()->ActiveView());
        if (!opened || view == nullptr) {
            std::printf("  (%s was not shown)\n", path.c_str());
            ++tw::bench::Misses();
            return nullptr;
        }
        const LRESULT rows = ::SendMessageA(view->Grid().GetHwnd(), tw::grid::kGetRowCount, 0, 0);
        if (rows == records) return view;
        std::printf("  (%ld rows of %ld records after %.3f s)\n", long(rows), records, seconds);
        ++tw::bench::Misses();
        return nullptr;
    }

    // Microseconds per RowOfRecord of the last record.
    double RowOfRecordCost(tw::CFormDlg& view) {
        const int lastKey = view.Document()->GetRecordCount() - 1;
        Stopwatch watch;
        int found = 0;
        for (int i = 0; i < kLookups; ++i) found += view.RowOfRecord(lastKey) >= 0 ? 1 : 0;
        if (found != kLookups) ++tw::bench::Misses();
        return watch.Seconds() * 1e6 / kLookups;
    }

    // Microseconds per Start and Stop pair of a new record (no row selected).
    double StartStopCost(tw::CFormDlg& view) {
        ::SendMessageA(view.Grid().GetHwnd(), tw::grid::kSelectAll, 0, 0);
        Stopwatch watch;
        for (int i = 0; i < kStartStops; ++i) {
            view.StartStop();
            clock_.Advance(30);
            view.StartStop();
        }
        app_.PumpPending();
        return watch.Seconds() * 1e6 / kStartStops;
    }

    // Microseconds per one-second tick of a running record (a shown minute every 60 ticks).
    double TickCost(tw::CFormDlg& view) {
        view.StartStop();
        Stopwatch watch;
        for (int i = 0; i < kTicks; ++i) {
            clock_.Advance(1);
            ::SendMessageA(view.Handle(), WM_TIMER, tw::CFormDlg::kClockTimer, 0);
        }
        const double cost = watch.Seconds() * 1e6 / kTicks;
        view.StartStop();
        return cost;
    }

    size_t CopiedCount() { return app_.CopiedRecords()->Count(); }

    void CloseDocuments() {
        tw::CDocTemplate* docs = app_.DocTemplate();
        if (docs == nullptr) return;
        for (const auto& doc : docs->Documents()) doc->SetModifiedFlag(false);
        app_.CloseAllDocuments();
        app_.PumpPending();
    }

private:
    tw::CTallywickApp app_;
    tw::TestClock clock_{tw::bench::kBenchStart + 400 * 24 * 3600};
};

// A cost at 10 and at 100,000 records, each the best of its rounds; the rounds alternate
// between the two documents so that a busy machine weighs on both alike.
template <typename Cost>
void ComparePair(const char* what, tw::CFormDlg& small, tw::CFormDlg& large, Cost cost) {
    double bestSmall = 1e30, bestLarge = 1e30;
    for (int i = 0; i < kRounds; ++i) {
        bestSmall = std::min(bestSmall, cost(small));
        bestLarge = std::min(bestLarge, cost(large));
    }
    std::printf("%-40s %12.1f us at 10 records, %.1f us at 100,000\n", what, bestSmall, bestLarge);
    Report((std::string(what) + " ratio").c_str(), bestLarge / bestSmall, "x", 1.5);
}

// Opening 100,000 records, and what a running clock costs beside one of 10 records.
void MeasureTable(Bench& bench) {
    double seconds = 0;
    tw::CFormDlg* small = bench.Open(SavedDocument(10), 10, seconds);
    tw::CFormDlg* large = bench.Open(SavedDocument(100000), 100000, seconds);
    if (small == nullptr || large == nullptr) return;
    Report("open 100,000 records, table filled", seconds, "s", 3.0);
    ComparePair("RowOfRecord", *small, *large, [&](auto& v) { return bench.RowOfRecordCost(v); });
    ComparePair("Start and Stop", *small, *large, [&](auto& v) { return bench.StartStopCost(v); });
    ComparePair("clock tick", *small, *large, [&](auto& v) { return bench.TickCost(v); });
    bench.CloseDocuments();
}

// Every tenth row of the first 100,000, 10,000 rows in all.
void SelectEveryTenthRow(tw::CFormDlg& view) {
    HWND grid = view.Grid().GetHwnd();
    ::SendMessageA(grid, tw::grid::kSelectAll, 0, 0);
    for (int i = 0; i < kSelectedRows; ++i) ::SendMessageA(grid, tw::grid::kSelectRow, 1, i * 10);
}

// Seconds of one Edit command on 10,000 selected rows of `view`; a miss when the document does
// not hold `records` afterwards.
template <typename Command>
double EditCost(tw::CFormDlg& view, int records, Command command) {
    SelectEveryTenthRow(view);
    Stopwatch watch;
    command();
    const double seconds = watch.Seconds();
    if (view.Document()->GetRecordCount() != records) {
        std::printf("  (%d records instead of %d)\n", view.Document()->GetRecordCount(), records);
        ++tw::bench::Misses();
    }
    return seconds;
}

// Seconds of one menu command sent to the main window while the view is active.
double CommandSeconds(tw::CFormDlg& view, unsigned id) {
    Stopwatch watch;
    ::SendMessageA(::GetAncestor(view.Handle(), GA_ROOT), WM_COMMAND, id, 0);
    return watch.Seconds();
}

// The marking commands over 10,000 selected rows of 100,000 records, with the table sorted
// by its first column (each batch holds the sorting off and sorts once at its end).
void MeasureMarking(Bench& bench) {
    double seconds = 0;
    tw::CFormDlg* view = bench.Open(SavedDocument(100000), 100000, seconds);
    if (view == nullptr) return;
    tw::SortLevels levels = view->Document()->Settings().sort;
    levels[0].use = true;
    levels[0].column = 1;
    view->Document()->SetSortLevels(levels, false);
    view->ApplySortSettings();
    HWND grid = view->Grid().GetHwnd();
    CommandSeconds(*view, ID_MARK_ALL);
    SelectEveryTenthRow(*view);
    Report("Mark/Unmark of 10,000 selected rows", CommandSeconds(*view, ID_MARK_UNMARK), "s", 2.0);
    Report("Select Marked, 90,000 of 100,000", CommandSeconds(*view, ID_SELECT_MARKED), "s", 2.0);
    if (::SendMessageA(grid, tw::grid::kGetSelectedCount, 0, 0) != 90000) ++tw::bench::Misses();
    Report("Mark All, 10,000 of 100,000 unmarked", CommandSeconds(*view, ID_MARK_ALL), "s", 2.0);
    Report("Unmark All of 100,000 records", CommandSeconds(*view, ID_UNMARK_ALL), "s", 0);
    bench.CloseDocuments();
}

// Copy, Paste (appended: many rows are selected) and Delete of 10,000 rows among 100,000.
void MeasureClipboard(Bench& bench) {
    double seconds = 0;
    tw::CFormDlg* view = bench.Open(SavedDocument(100000), 100000, seconds);
    if (view == nullptr) return;
    Report("Copy of 10,000 rows of 100,000", EditCost(*view, 100000, [&] { view->CopyRows(); }),
           "s", 2.0);
    if (bench.CopiedCount() != kSelectedRows) ++tw::bench::Misses();
    Report("Paste of 10,000 rows into 100,000", EditCost(*view, 110000, [&] { view->PasteRows(); }),
           "s", 2.0);
    Report("Delete of 10,000 rows of 110,000", EditCost(*view, 100000, [&] { view->DeleteRows(); }),
           "s", 2.0);
    bench.CloseDocuments();
}

// The print flow's Begin on 100,000 records: the print font, every record's notes measured
// word-wrapped by the device, and the pages, on the screen's device for a letter page.
void MeasurePrinting(Bench& bench) {
    double seconds = 0;
    tw::CFormDlg* view = bench.Open(SavedDocument(100000), 100000, seconds);
    if (view == nullptr) return;
    HDC screen = ::GetDC(nullptr);
    tw::CPrintInfo info;
    const int dpiX = ::GetDeviceCaps(screen, LOGPIXELSX),
              dpiY = ::GetDeviceCaps(screen, LOGPIXELSY);
    info.drawArea = RECT{0, 0, dpiX * 17 / 2, dpiY * 11};
    Stopwatch watch;
    view->OnBeginPrinting(screen, info);
    Report("paginate 100,000 records (print Begin)", watch.Seconds(), "s", 1.0);
    if (info.maxPage < 1) ++tw::bench::Misses();
    view->OnEndPrinting(screen, info);
    ::ReleaseDC(nullptr, screen);
    bench.CloseDocuments();
}

// Reading and building the rows alone, then the whole opening, of a million records.
void MeasureMillion(Bench& bench) {
    const std::string path = SavedDocument(1000000);
    {
        Stopwatch read;
        tw::CWorkmetrDoc doc;
        const bool ok = doc.OnOpenDocument(path);
        Report("read 1,000,000 records (no window)", ok ? read.Seconds() : -1, "s", 0);
        Stopwatch build;
        tw::MoneyTextMemo money;
        long packed = 0;
        for (int i = 0; i < doc.GetRecordCount(); ++i)
            packed += tw::BuildRow(doc, *doc.GetRecord(i), i, &money).startDate;
        if (packed == 0) ++tw::bench::Misses();
        Report("BuildRow of 1,000,000 records", build.Seconds(), "s", 0);
    }
    double seconds = 0;
    if (bench.Open(path, 1000000, seconds) != nullptr)
        Report("open 1,000,000 records, table filled", seconds, "s", 5.0);
}

}  // namespace

int main() {
    tw::RegistrySettingsStore(kSettingsKey).DeleteAll();
    // Delete goes ahead without its question.
    tw::RegistrySettingsStore(kSettingsKey)
        .WriteString("Tallywick", "DisplayDeleteTimeRecConfirmDlg", "FALSE");
    NoPrompter prompter;
    tw::ScopedPrompter scoped(prompter);
    Bench bench;
    if (!bench.Start()) {
        std::printf("the program did not start\n");
        return 1;
    }
    MeasureTable(bench);
    MeasureMarking(bench);
    MeasureClipboard(bench);
    MeasurePrinting(bench);

    MeasureMillion(bench);
    Report("peak working set", PeakMegabytes(), "MB", 0);
    bench.CloseDocuments();
    bench.Finish();
    tw::RegistrySettingsStore(kSettingsKey).DeleteAll();
    return tw::bench::Misses() == 0 ? 0 : 1;
}
