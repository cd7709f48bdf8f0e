// The grid's portable row store with 100,000 time-table rows: appending, sorting on one
// level and finding a key (the same work the DataTbl32 window does for its messages).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "grid/grid_model.h"
#include "view/grid_interface.h"

namespace {

using namespace tw::grid;

constexpr int kRows = 100000;

void SetupColumns(GridModel& model) {
    const unsigned types[kTimeTableColumnCount] = {
        kTypeKey,  kTypeDate, kTypeTime, kTypeDate, kTypeTime, kTypeText, kTypeText, kTypeText,
        kTypeText, kTypeText, kTypeText, kTypeText, kTypeText, kTypeMark, kTypeText};
    const int lengths[kTimeTableColumnCount] = {0,  0,  0,  0,  0,  30, 30, 40,
                                                40, 64, 64, 64, 40, 0,  256};
    model.SetColumnCount(kTimeTableColumnCount);
    for (int c = 0; c < kTimeTableColumnCount; ++c) {
        model.SetColumnType(c, types[c]);
        if (lengths[c] > 0) model.SetMaxLength(c, lengths[c]);
    }
}

void Fill(GridModel& model) {
    const char* const projects[] = {"Website redesign", "Annual report", "Mobile app",
                                    "Data migration", "Support contract"};
    for (int i = 0; i < kRows; ++i) {
        TimeTableRow row = {};
        row.position = i;
        row.startDate = PackDosDate(2024, 1 + i % 12, 1 + i % 28);
        row.startTime = PackDosTime(i % 24, i % 60, 0);
        SetRowText(row.project, projects[(i * 7) % 5]);
        std::snprintf(row.notes, sizeof row.notes, "Note %d", i);
        model.SetCurrentCell(0, kNoRow);
        model.InsertAtCurrent(&row);
    }
}

void BM_Append100000Rows(benchmark::State& state) {
    for (auto _ : state) {
        GridModel model;
        SetupColumns(model);
        Fill(model);
        benchmark::DoNotOptimize(model.Rows().Count());
    }
}
BENCHMARK(BM_Append100000Rows)->Unit(benchmark::kMillisecond);

void BM_SortOneLevel(benchmark::State& state) {
    GridModel model;
    SetupColumns(model);
    Fill(model);
    bool ascending = true;
    for (auto _ : state) {
        model.Sort().SetColumn(1, kColProject);
        model.Sort().SetAscending(1, ascending = !ascending);
        model.Sort().SetNoCase(1, true);
        model.MarkUnsorted();
        model.EnsureSorted();
    }
}
BENCHMARK(BM_SortOneLevel)->Unit(benchmark::kMillisecond);

void BM_FindKey(benchmark::State& state) {
    GridModel model;
    SetupColumns(model);
    Fill(model);
    int32_t key = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.FindKey(key));
        key = (key + 7919) % kRows;
    }
}
BENCHMARK(BM_FindKey);

}  // namespace

BENCHMARK_MAIN();
