#pragma once
// Switches the computer off through systemd-logind on the system bus.
#include "platform/power.h"

namespace tv::platform::linux_desktop {

class LogindPower : public PowerControl {
public:
    // Calls org.freedesktop.login1.Manager.PowerOff(false) on the system bus named by
    // DBUS_SYSTEM_BUS_ADDRESS (or the standard one), waiting at most a few seconds.
    // Errors are ignored; nothing is shown.
    void power_off() override;
};

} // namespace tv::platform::linux_desktop
