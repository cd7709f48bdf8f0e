#include "framework/win32/win32_clock.h"

#include <windows.h>

namespace tw {

namespace {

// 100-nanosecond ticks from 1601-01-01 to 1970-01-01, and ticks per second.
const unsigned long long kEpochTicks = 116444736000000000ULL;
const unsigned long long kTicksPerSecond = 10000000ULL;

}  // namespace

CalTime Win32Clock::Now() const {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    const long long seconds =
        ticks >= kEpochTicks ? static_cast<long long>((ticks - kEpochTicks) / kTicksPerSecond) : 0;
    // CalTime is 32-bit: a clock beyond 2038 stays at the last representable second.
    return seconds > 0x7FFFFFFFLL ? static_cast<CalTime>(0x7FFFFFFF)
                                  : static_cast<CalTime>(seconds);
}

}  // namespace tw
