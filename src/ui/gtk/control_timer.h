#pragma once
// A timer control on the GLib main loop. A period of 0 stops it; setting the period it already
// has changes nothing, so its rhythm goes on. GLib schedules the next tick from the moment a
// tick is dispatched, so ticks that fell while the thread was blocked are not made up.
#include <functional>
#include <sigc++/connection.h>

namespace tv::ui::gtk {

class ControlTimer {
public:
    explicit ControlTimer(std::function<void()> on_tick) : on_tick_(std::move(on_tick)) {}
    ~ControlTimer() { stop(); }
    ControlTimer(const ControlTimer &) = delete;
    ControlTimer &operator=(const ControlTimer &) = delete;

    int period() const { return period_ms_; }
    void set_period(int period_ms);
    // Stops for good (the window is going away); the period still reads as it was.
    void stop() { connection_.disconnect(); }

private:
    bool tick();

    std::function<void()> on_tick_;
    sigc::connection connection_;
    int period_ms_ = 0;
    unsigned generation_ = 0; // counts (re)starts, so a tick knows whether it was replaced
};

} // namespace tv::ui::gtk
