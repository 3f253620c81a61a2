#pragma once
// The one-second ticks of the main and remote-control windows, and the scheduled power-off.
#include "app/context.h"

namespace tv::calendar {

// Main window's 时钟1: shows the main window, rebuilds its clock and calendar labels, then
// checks the scheduled power-off.
void on_main_tick(Context &ctx, const ui::Event &event);
// Remote-control window's 时钟1: shows the main window and rebuilds the bar's own labels.
void on_remote_tick(Context &ctx, const ui::Event &event);
// 编辑框1..3 getting the focus: nothing to do; the set moment is rebuilt on every tick.
void on_shutdown_field_focus(Context &ctx, const ui::Event &event);

// Powers off when the moment the shutdown row shows equals the current time to the second.
void scheduled_shutdown_check(Context &ctx);

} // namespace tv::calendar
