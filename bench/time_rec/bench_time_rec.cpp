// Native benchmarks: a document of a million records must store and load in well under a second.

#include <benchmark/benchmark.h>

#include "time_rec_workload.h"

namespace tw {
namespace {

constexpr int kRecords = 1000000;

void BM_MakeRecords(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(MakeRecords(kRecords));
}
BENCHMARK(BM_MakeRecords)->Unit(benchmark::kMillisecond);

void BM_StoreRecords(benchmark::State& state) {
    RecordList records = MakeRecords(kRecords);
    for (auto _ : state) benchmark::DoNotOptimize(StoreRecords(records));
}
BENCHMARK(BM_StoreRecords)->Unit(benchmark::kMillisecond);

void BM_LoadRecords(benchmark::State& state) {
    RecordList records = MakeRecords(kRecords);
    const std::vector<uint8_t> bytes = StoreRecords(records);
    for (auto _ : state) benchmark::DoNotOptimize(LoadRecords(bytes, kRecords));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadRecords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw

BENCHMARK_MAIN();
