#pragma once
// Clock seam: the local wall-clock time and the milliseconds since the system started.
#include "core/date_time.h"

#include <cstdint>

namespace tv::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Current local date and time, whole seconds.
    virtual DateTime now() = 0;
    // Milliseconds since the system started, wrapping at 2^32.
    virtual std::uint32_t uptime_ms() = 0;
};

} // namespace tv::platform
