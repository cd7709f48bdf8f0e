// Printing speed: 100,000 records with 40-character notes printed on the lines below them, on a
// 600 dpi letter page in a 10-point font: the line counts and the pages, and the layout of
// every page.

#include <benchmark/benchmark.h>

#include <memory>

#include "bench/support/bench_documents.h"
#include "dialogs/print_page_layout.h"
#include "doc/document.h"
#include "tests/dialogs/fixed_pitch_measurer.h"
#include "view/table_export.h"
#include "view/table_order.h"

namespace {

using tw::CWorkmetrDoc;

constexpr int kRecords = 100000;

CWorkmetrDoc& Document() {
    static std::unique_ptr<CWorkmetrDoc> doc = tw::bench::MakeDocument(kRecords, 5000);
    return *doc;
}

tw::PageMetrics Metrics(const CWorkmetrDoc& doc) {
    return tw::ComputePageMetrics({600, 600, 5100, 6600, 83, 50}, doc.Settings().printing);
}

tw::Pagination Paginate(const CWorkmetrDoc& doc, const tw::ExportTable& table,
                        std::vector<int>& counts) {
    const tw::PageMetrics metrics = Metrics(doc);
    tw::testing::FixedPitchMeasurer measurer(50, 83);
    counts = tw::RowLineCounts(doc, table.rows, metrics, measurer);
    const tw::PrintSettings& print = doc.Settings().printing;
    return tw::Paginate(counts, metrics.linesPerPage, print.blankLineBetween, print.totals);
}

// What Begin does: the table's rows, their line counts and the pages.
void BM_Paginate(benchmark::State& state) {
    CWorkmetrDoc& doc = Document();
    for (auto _ : state) {
        const tw::ExportTable table = tw::ExportTableOf(doc, tw::TableRowOrder(doc), "bench.tw");
        std::vector<int> counts;
        const tw::Pagination pages = Paginate(doc, table, counts);
        state.counters["pages"] = pages.PageCount();
    }
}

// Every page laid out, as printing the whole document does.
void BM_LayoutEveryPage(benchmark::State& state) {
    CWorkmetrDoc& doc = Document();
    const tw::ExportTable table = tw::ExportTableOf(doc, tw::TableRowOrder(doc), "bench.tw");
    std::vector<int> counts;
    const tw::Pagination pages = Paginate(doc, table, counts);
    const tw::PageMetrics metrics = Metrics(doc);
    for (auto _ : state) {
        size_t ops = 0;
        for (int page = 0; page < pages.PageCount(); ++page)
            ops += tw::LayoutPage(tw::PrintJob{doc, table, counts, pages, tw::PrintTexts{}},
                                  metrics, page)
                       .size();
        state.counters["ops"] = static_cast<double>(ops);
    }
}

}  // namespace

BENCHMARK(BM_Paginate)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LayoutEveryPage)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
