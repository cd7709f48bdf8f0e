#pragma once
// Timing for the benchmarks that run under Wine: a stopwatch on the performance counter, and
// one printed line per measure with its target.

#include <windows.h>

#include <cstdio>

namespace tw::bench {

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Seconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return double(now.QuadPart - start_.QuadPart) / double(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_, start_;
};

// How many measures missed their targets so far.
inline int& Misses() {
    static int misses = 0;
    return misses;
}

// Prints a measure and, unless `target` is 0, whether it stays below the target.
inline void Report(const char* measure, double value, const char* unit, double target) {
    if (target <= 0) {
        std::printf("%-40s %12.3f %s\n", measure, value, unit);
        return;
    }
    const bool ok = value < target;
    if (!ok) ++Misses();
    std::printf("%-40s %12.3f %s   (target < %g %s)  %s\n", measure, value, unit, target, unit,
                ok ? "ok" : "TOO SLOW");
}

}  // namespace tw::bench
