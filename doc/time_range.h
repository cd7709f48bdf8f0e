#pragma once
// The span of calendar times a record may hold: 1980-01-01 00:00:00 to
// 2037-12-31 23:59:59 local time, both ends included.

#include "framework/cal_time.h"

namespace tw {

struct TimeRange {
    CalTime first;  // first second of the range
    CalTime last;   // last second of the range
    bool Contains(CalTime t) const { return t >= first && t <= last; }
};

// The valid range in the current local time zone; worked out again when TZ changes.
TimeRange ValidTimeRange();

// A time before the range becomes its first second, after it its last second.
CalTime ClampToValidRange(CalTime t);

}  // namespace tw
