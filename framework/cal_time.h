#pragma once
// The calendar seconds scale on which every time of the program is kept.

#include <cstdint>

namespace tw {

using CalTime = int32_t;   // seconds since 1970-01-01 00:00:00 UTC
using Duration = int32_t;  // seconds

}  // namespace tw
