#include "doc/time_range.h"

#include <cstdlib>
#include <string>

#include "framework/local_time.h"

namespace tw {

namespace {

TimeRange WorkOutValidTimeRange() {
    return {MakeLocalTime({1980, 1, 1, 0, 0, 0}), MakeLocalTime({2037, 12, 31, 23, 59, 59})};
}

// The bounds take two local-time conversions; they are kept until the TZ setting (the
// process's time zone) changes. Meant for the user-interface thread.
struct RangeCache {
    bool filled = false;
    bool hadZone = false;  // TZ was set when the range was worked out
    std::string zone;      // its value then
    TimeRange range{};
};

}  // namespace

TimeRange ValidTimeRange() {
    static RangeCache cache;
    const char* zone = std::getenv("TZ");
    const bool same = cache.filled && cache.hadZone == (zone != nullptr) &&
                      (zone == nullptr || cache.zone == zone);
    if (!same) {
        cache.range = WorkOutValidTimeRange();
        cache.hadZone = zone != nullptr;
        cache.zone = zone != nullptr ? zone : "";
        cache.filled = true;
    }
    return cache.range;
}

CalTime ClampToValidRange(CalTime t) {
    const TimeRange r = ValidTimeRange();
    if (t < r.first) return r.first;
    if (t > r.last) return r.last;
    return t;
}

}  // namespace tw
