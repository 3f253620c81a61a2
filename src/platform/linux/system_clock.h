#pragma once
// The machine's clocks: local wall-clock time and time since boot.
#include "platform/clock.h"

namespace tv::platform::linux_desktop {

class SystemClock : public Clock {
public:
    // Local time from the system clock and time zone, whole seconds.
    DateTime now() override;
    // Monotonic milliseconds since boot (suspend included), wrapping at 2^32.
    std::uint32_t uptime_ms() override;
};

} // namespace tv::platform::linux_desktop
