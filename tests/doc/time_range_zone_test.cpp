#include "framework/local_time.h"
#include "doc/time_range.h"

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

TEST(ValidTimeRange, FollowsTimeZoneChanges) {
    const char* saved = std::getenv("TZ");
    const std::string restore = saved != nullptr ? saved : "";
    bool differed = false;
    TimeRange previous = ValidTimeRange();
    for (const char* zone : {"UTC0", "JST-9", "EST5EDT", "UTC0"}) {
        SetZone(zone);
        const TimeRange cached = ValidTimeRange();
        EXPECT_EQ(MakeLocalTime({1980, 1, 1, 0, 0, 0}), cached.first) << zone;
        EXPECT_EQ(MakeLocalTime({2037, 12, 31, 23, 59, 59}), cached.last) << zone;
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
