#include "platform/linux/system_clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

using tv::platform::linux_desktop::SystemClock;

// Restores TZ after a test that sets it.
class TimeZoneGuard {
public:
    TimeZoneGuard() {
        if (const char *tz = std::getenv("TZ"))
            saved_ = tz;
    }
    ~TimeZoneGuard() {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    TimeZoneGuard(const TimeZoneGuard &) = delete;
    TimeZoneGuard &operator=(const TimeZoneGuard &) = delete;

private:
    std::optional<std::string> saved_;
};

TEST(SystemClock, NowIsTheLocalWallClockTime) {
    struct Case {
        const char *tz;
        int offset_seconds; // local time minus UTC
    };
    const Case cases[] = {{"UTC0", 0}, {"CST-8", 8 * 3600}, {"EST5", -5 * 3600}, {"NPT-5:45", 5 * 3600 + 45 * 60}};
    TimeZoneGuard guard;
    SystemClock clock;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tz);
        setenv("TZ", c.tz, 1);
        tzset();
        const std::int64_t before = std::time(nullptr) + c.offset_seconds;
        const std::int64_t now = tv::to_epoch_seconds(clock.now());
        const std::int64_t after = std::time(nullptr) + c.offset_seconds;
        EXPECT_LE(before, now);
        EXPECT_LE(now, after);
    }
}

std::uint32_t boot_ms() {
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                                      static_cast<std::uint64_t>(ts.tv_nsec) / 1'000'000u);
}

TEST(SystemClock, UptimeIsMillisecondsSinceBootModuloTwoToThe32) {
    SystemClock clock;
    const std::uint32_t before = boot_ms();
    const std::uint32_t uptime = clock.uptime_ms();
    const std::uint32_t after = boot_ms();
    // Unsigned differences stay correct across the 2^32 wrap.
    EXPECT_LE(static_cast<std::uint32_t>(uptime - before), static_cast<std::uint32_t>(after - before));
}

} // namespace
