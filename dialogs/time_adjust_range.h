#pragma once
// ValidTimeRange() for code that needs it once per record: working the bounds out takes two
// local-time conversions, so they are kept and worked out again only when the TZ setting
// (the process's time zone) changes. Meant for the user-interface thread.

#include "doc/time_range.h"

namespace tw {

TimeRange CachedValidTimeRange();

}  // namespace tw
