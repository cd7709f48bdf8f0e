// The texts of one table row: elapsed and paused durations, the charge and the expense.
// Target: under 1 microsecond per record with the portable formatter.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "doc/display_formats.h"
#include "framework/portable_locale_formatter.h"

namespace {

struct Record {
    tw::Duration elapsed;
    tw::Duration paused;
    float rate;
    float expense;
};

std::vector<Record> MakeRecords() {
    std::vector<Record> records;
    for (int i = 0; i < 1024; ++i)
        records.push_back(Record{(i * 7919) % (30 * 3600), (i * 613) % 3600,
                                 10.0f + static_cast<float>(i % 90),
                                 static_cast<float>(i % 500) * 1.25f});
    return records;
}

void RecordTexts(benchmark::State& state, int increment, bool decimal) {
    const tw::ILocaleFormatter& locale = tw::PortableLocaleFormatterInstance();
    const tw::LocaleFormats formats = tw::LoadLocaleFormats(locale);
    tw::TimeDisplaySettings settings;
    settings.increment = increment;
    settings.decimalNotation = decimal;
    const std::vector<Record> records = MakeRecords();
    size_t i = 0;
    for (auto _ : state) {
        const Record& r = records[i++ & 1023];
        std::string elapsed = tw::FormatDuration(r.elapsed, false, settings, formats, locale);
        std::string paused = tw::FormatDuration(r.paused, false, settings, formats, locale);
        std::string charge = tw::FormatCharge(r.elapsed, r.rate, settings, locale);
        std::string expense = tw::FormatMoney(r.expense, locale);
        benchmark::DoNotOptimize(elapsed);
        benchmark::DoNotOptimize(paused);
        benchmark::DoNotOptimize(charge);
        benchmark::DoNotOptimize(expense);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_RecordTextsMinutes(benchmark::State& state) { RecordTexts(state, 1, false); }
void BM_RecordTextsSeconds(benchmark::State& state) { RecordTexts(state, 0, false); }
void BM_RecordTextsDecimal(benchmark::State& state) { RecordTexts(state, 3, true); }

BENCHMARK(BM_RecordTextsMinutes);
BENCHMARK(BM_RecordTextsSeconds);
BENCHMARK(BM_RecordTextsDecimal);

}  // namespace
