#pragma once
// The local wall clock from the system time.

#include "framework/platform.h"

namespace tw {

class Win32Clock : public IClock {
public:
    // The system time on the calendar seconds scale (seconds since 1970-01-01 UTC).
    CalTime Now() const override;
};

}  // namespace tw
