#include "dialogs/time_adjust_range.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace tw {
namespace {

// Sets TZ, or removes it when `zone` is null.
void SetZone(const char* zone) {
#ifdef _WIN32
    _putenv_s("TZ", zone != nullptr ? zone : "");
    _tzset();
#else
    if (zone != nullptr) {
        setenv("TZ", zone, 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
#endif
}

TEST(CachedValidTimeRange, FollowsTimeZoneChanges) {
    const char* saved = std::getenv("TZ");
    const std::string restore = saved != nullptr ? saved : "";
    bool differed = false;
    TimeRange previous = CachedValidTimeRange();
    for (const char* zone : {"UTC0", "JST-9", "EST5EDT", "UTC0"}) {
        SetZone(zone);
        const TimeRange cached = CachedValidTimeRange();
        const TimeRange fresh = ValidTimeRange();
        EXPECT_EQ(fresh.first, cached.first) << zone;
        EXPECT_EQ(fresh.last, cached.last) << zone;
        differed = differed || cached.first != previous.first;
        previous = cached;
    }
    SetZone(saved != nullptr ? restore.c_str() : nullptr);
#ifndef _WIN32
    EXPECT_TRUE(differed) << "the zones above should move the range";
#endif
}

}  // namespace
}  // namespace tw
