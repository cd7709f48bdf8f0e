#include "doc/time_range.h"

#include "doc/local_time.h"

namespace tw {

TimeRange ValidTimeRange() {
    return {MakeLocalTime({1980, 1, 1, 0, 0, 0}), MakeLocalTime({2037, 12, 31, 23, 59, 59})};
}

CalTime ClampToValidRange(CalTime t) {
    const TimeRange r = ValidTimeRange();
    if (t < r.first) return r.first;
    if (t > r.last) return r.last;
    return t;
}

}  // namespace tw
