#include "ui/gtk/control_timer.h"

#include <algorithm>
#include <glibmm/main.h>

namespace tv::ui::gtk {

void ControlTimer::set_period(int period_ms) {
    if (period_ms == period_ms_)
        return;
    connection_.disconnect();
    ++generation_;
    period_ms_ = std::max(period_ms, 0);
    if (period_ms_ > 0)
        connection_ = Glib::signal_timeout().connect(sigc::mem_fun(*this, &ControlTimer::tick),
                                                     static_cast<unsigned>(period_ms_));
}

bool ControlTimer::tick() {
    // The handler may change the period or close the window: either replaces or ends this
    // source through the connection, so the return value only matters when nothing changed.
    const unsigned generation = generation_;
    on_tick_();
    return generation == generation_ && connection_.connected();
}

} // namespace tv::ui::gtk
