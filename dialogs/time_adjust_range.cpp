#include "dialogs/time_adjust_range.h"

#include <cstdlib>
#include <string>

namespace tw {

namespace {

struct RangeCache {
    bool filled = false;
    bool hadZone = false;  // TZ was set when the range was worked out
    std::string zone;      // its value then
    TimeRange range{};
};

}  // namespace

TimeRange CachedValidTimeRange() {
    static RangeCache cache;
    const char* zone = std::getenv("TZ");
    const bool same = cache.filled && cache.hadZone == (zone != nullptr) &&
                      (zone == nullptr || cache.zone == zone);
    if (!same) {
        cache.range = ValidTimeRange();
        cache.hadZone = zone != nullptr;
        cache.zone = zone != nullptr ? zone : "";
        cache.filled = true;
    }
    return cache.range;
}

}  // namespace tw
