// Document speed: read and write of 10k, 100k and 1M records with 40-character notes, and the
// totals over them. The peak resident size of the process is reported as a counter.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/document/bench_documents.h"
#include "doc/document.h"
#include "framework/archive.h"
#include "framework/archive_streams.h"

namespace {

using tw::CWorkmetrDoc;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

std::unique_ptr<CWorkmetrDoc> MakeDocument(int records) {
    return tw::bench::MakeBenchDocument(records, records);
}

// The documents the write and totals runs use.
CWorkmetrDoc& DocumentOf(int records) {
    static std::map<int, std::unique_ptr<CWorkmetrDoc>> docs;
    std::unique_ptr<CWorkmetrDoc>& doc = docs[records];
    if (!doc) doc = MakeDocument(records);
    return *doc;
}

std::string TempPath(int records) {
    return (std::filesystem::temp_directory_path() /
            ("tw_bench_" + std::to_string(records) + ".tw"))
        .string();
}

// The files the read runs use, saved from a document that is gone again before the reading,
// so the peak resident size shows what reading costs.
const std::string& FileOf(int records) {
    static std::map<int, std::string> files;
    std::string& path = files[records];
    if (path.empty()) {
        path = TempPath(records);
        MakeDocument(records)->OnSaveDocument(path);
    }
    return path;
}

void BM_Read(benchmark::State& state) {
    const std::string& path = FileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CWorkmetrDoc doc;
        if (!doc.OnOpenDocument(path)) state.SkipWithError("the file could not be read");
        benchmark::DoNotOptimize(doc.GetRecordCount());
    }
    state.SetBytesProcessed(
        static_cast<int64_t>(state.iterations() * std::filesystem::file_size(path)));
    state.counters["maxrss_MB"] = PeakMegabytes();
}

// A whole save: temporary file, flush to the disk, rename over the previous file.
void BM_Write(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    CWorkmetrDoc& doc = DocumentOf(records);
    const std::string path = TempPath(records) + ".saved";
    for (auto _ : state)
        if (!doc.OnSaveDocument(path)) state.SkipWithError("the file could not be saved");
    std::filesystem::remove(path);
    state.counters["maxrss_MB"] = PeakMegabytes();
}

// The archive alone, into a sink that only counts.
class CountingSink : public tw::IByteSink {
public:
    bool WriteAll(const void*, size_t n) override {
        bytes += n;
        return true;
    }
    size_t bytes = 0;
};

void BM_Serialize(benchmark::State& state) {
    CWorkmetrDoc& doc = DocumentOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CountingSink sink;
        tw::CArchive ar(sink);
        doc.Serialize(ar);
        ar.Flush();
        benchmark::DoNotOptimize(sink.bytes);
    }
}

void BM_TotalTime(benchmark::State& state) {
    CWorkmetrDoc& doc = DocumentOf(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(doc.TotalAllTime());
}

void BM_TotalCharge(benchmark::State& state) {
    CWorkmetrDoc& doc = DocumentOf(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(doc.TotalAllCharge());
}

BENCHMARK(BM_Read)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Serialize)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TotalTime)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TotalCharge)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
