#include "platform/linux/system_clock.h"

#include <ctime>

namespace tv::platform::linux_desktop {

DateTime SystemClock::now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm parts{};
    if (localtime_r(&seconds, &parts) == nullptr)
        return DateTime{};
    // A leap second (tm_sec 60) is read as the last second of its minute.
    const int second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
    return DateTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, second};
}

std::uint32_t SystemClock::uptime_ms() {
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0 && clock_gettime(CLOCK_MONOTONIC, &ts) != 0)
        return 0;
    const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1'000'000u;
    return static_cast<std::uint32_t>(ms);
}

} // namespace tv::platform::linux_desktop
