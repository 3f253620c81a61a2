#pragma once
// A private message bus for power-off tests, optionally with a fake logind on it
// (scripts/logind-mock). The bus and the fake end when this object is destroyed, or by
// themselves after their lifetime.
#include <filesystem>
#include <string>
#include <vector>

namespace tv::test {

class PrivateSystemBus {
public:
    enum class Services { none, logind };

    // Whether dbus-daemon and python3-dbusmock are installed.
    static bool available();

    // Starts in `dir`, which must exist. Throws when the bus or the fake does not come up.
    PrivateSystemBus(const std::filesystem::path &dir, Services services, int lifetime_seconds = 120);
    ~PrivateSystemBus();
    PrivateSystemBus(const PrivateSystemBus &) = delete;
    PrivateSystemBus &operator=(const PrivateSystemBus &) = delete;

    // The value for DBUS_SYSTEM_BUS_ADDRESS.
    const std::string &address() const { return address_; }
    // The method calls the fake logind received, e.g. "PowerOff False", oldest first.
    std::vector<std::string> logind_calls() const;

private:
    std::filesystem::path dir_;
    std::string address_;
};

} // namespace tv::test
