#include "platform/linux/logind_power.h"

#include "logind_mock.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

using tv::platform::linux_desktop::LogindPower;
using tv::test::PrivateSystemBus;
using namespace std::chrono_literals;

// Every test here points DBUS_SYSTEM_BUS_ADDRESS away from the real system bus before
// anything else happens, so that no request can ever reach it.
class LogindPowerTest : public ::testing::Test {
protected:
    void SetUp() override {
        point_system_bus_at("unix:path=" + (dir / "no-bus-here").string());
        if (!PrivateSystemBus::available())
            GTEST_SKIP() << "dbus-daemon or python3-dbusmock is not installed";
    }

    static void point_system_bus_at(const std::string &address) {
        ASSERT_FALSE(address.empty());
        setenv("DBUS_SYSTEM_BUS_ADDRESS", address.c_str(), 1);
    }

    tv::test::ScratchDir dir;
};

TEST_F(LogindPowerTest, AsksLogindOnceToPowerOffWithoutInteraction) {
    PrivateSystemBus bus(dir.path(), PrivateSystemBus::Services::logind);
    point_system_bus_at(bus.address());

    LogindPower().power_off();

    std::vector<std::string> calls;
    for (int attempt = 0; attempt < 50 && calls.empty(); ++attempt, std::this_thread::sleep_for(20ms))
        calls = bus.logind_calls();
    EXPECT_EQ(calls, std::vector<std::string>{"PowerOff False"});
}

TEST_F(LogindPowerTest, ReturnsQuietlyWithoutLogind) {
    PrivateSystemBus bus(dir.path(), PrivateSystemBus::Services::none);
    const std::string addresses[] = {
        bus.address(),                                 // a bus where nobody answers for logind
        "unix:path=" + (dir / "no-bus-here").string(), // no bus at all
        "not-an-address",
    };
    for (const auto &address : addresses) {
        SCOPED_TRACE(address);
        point_system_bus_at(address);
        LogindPower().power_off(); // must return without throwing or blocking
    }
}

} // namespace
