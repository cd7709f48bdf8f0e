// Export speed: 1,000,000 records with 40-character notes and every column written, through
// the export file (list order, and the table's order under two sort levels) and the writer
// alone into memory.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/bench_documents.h"
#include "dialogs/export_file.h"
#include "dialogs/export_writer.h"
#include "doc/document.h"
#include "framework/file_replace.h"
#include "view/table_export.h"
#include "view/table_order.h"

namespace {

using tw::CWorkmetrDoc;

constexpr int kRecords = 1000000;

CWorkmetrDoc& Document() {
    static std::unique_ptr<CWorkmetrDoc> doc = tw::bench::MakeDocument(kRecords, 5000);
    return *doc;
}

// Counts the bytes and drops them.
class CountingOutput : public tw::IExportOutput {
public:
    bool Write(const char*, size_t size) override {
        bytes += size;
        return true;
    }
    size_t bytes = 0;
};

void SetSortLevels(CWorkmetrDoc& doc, bool sorted) {
    tw::DocumentSettings s = doc.Settings();
    s.sort = {};
    if (sorted) {
        s.sort[0].use = s.sort[1].use = true;
        s.sort[0].column = 9;  // project
        s.sort[1].column = 1;  // start date
    }
    doc.SetSettings(s);
}

void BM_ExportToMemory(benchmark::State& state) {
    CWorkmetrDoc& doc = Document();
    SetSortLevels(doc, false);
    const tw::ExportTable table = tw::ExportTableOf(doc, tw::TableRowOrder(doc), "bench.tw");
    for (auto _ : state) {
        CountingOutput out;
        benchmark::DoNotOptimize(tw::WriteExport(doc, table, out));
        state.counters["MB"] = static_cast<double>(out.bytes) / 1e6;
    }
}

// The whole export as twtool runs it: the row order, the writer and the file put in place.
void BM_ExportToFile(benchmark::State& state) {
    CWorkmetrDoc& doc = Document();
    SetSortLevels(doc, state.range(0) != 0);
    const std::string path =
        (std::filesystem::temp_directory_path() / "tw_bench_export.txt").string();
    for (auto _ : state) {
        const tw::ExportTable table = tw::ExportTableOf(doc, tw::TableRowOrder(doc), "bench.tw");
        const tw::FileErrorCause cause = tw::WriteExportFile(
            path, false, [&](tw::IExportOutput& out) { return tw::WriteExport(doc, table, out); },
            tw::FileReplaceService());
        if (cause != tw::FileErrorCause::None) state.SkipWithError("the export failed");
    }
    std::filesystem::remove(path);
}

// The table's order alone under two sort levels: the rows' sorted fields and the grid's sort.
void BM_SortedRowOrder(benchmark::State& state) {
    CWorkmetrDoc& doc = Document();
    SetSortLevels(doc, true);
    for (auto _ : state) benchmark::DoNotOptimize(tw::TableRowOrder(doc));
}

}  // namespace

BENCHMARK(BM_SortedRowOrder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportToMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportToFile)
    ->ArgName("sorted")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
