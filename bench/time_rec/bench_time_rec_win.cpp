// Windows timing harness: the same workloads as the native benchmark, each run a few times,
// printing the best time.

#include <chrono>
#include <cstdio>

#include "time_rec_workload.h"

namespace {

constexpr int kRecords = 1000000;
constexpr int kRuns = 3;

template <typename Work>
void Time(const char* name, Work work) {
    double best = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - begin;
        if (took.count() < best) best = took.count();
    }
    std::printf("%-24s %10.1f ms (%d records, best of %d)\n", name, best, kRecords, kRuns);
}

}  // namespace

int main() {
    using namespace tw;
    RecordList records = MakeRecords(kRecords);
    const std::vector<uint8_t> bytes = StoreRecords(records);
    Time("MakeRecords", [] { MakeRecords(kRecords); });
    Time("StoreRecords", [&] { StoreRecords(records); });
    Time("LoadRecords", [&] { LoadRecords(bytes, kRecords); });
    return 0;
}
