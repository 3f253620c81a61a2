#pragma once
// Power-off seam.
namespace tv::platform {

class PowerControl {
public:
    virtual ~PowerControl() = default;
    // Asks the system to switch the computer off, not interactively. The result is ignored:
    // when the request cannot be made, nothing happens and nothing is shown.
    virtual void power_off() = 0;
};

} // namespace tv::platform
