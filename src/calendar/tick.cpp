#include "calendar/tick.h"

#include "calendar/panel_text.h"
#include "calendar/shutdown_moment.h"
#include "core/gbk_convert.h"

namespace tv::calendar {

namespace {
void update_panel(Context &ctx, std::string_view window, std::string_view utf8_no_festival_text) {
    ctx.ui.set_window_visible(kMainWindow, true);
    const DateTime now = ctx.clock.now();
    ctx.ui.set_text(window, "time", clock_caption(now));
    ctx.ui.set_text(window, "日期", calendar_caption(now, gbk(utf8_no_festival_text)));
}
} // namespace

void on_main_tick(Context &ctx, const ui::Event &) {
    update_panel(ctx, kMainWindow, kMainNoFestivalText);
    scheduled_shutdown_check(ctx);
}

void on_remote_tick(Context &ctx, const ui::Event &) { update_panel(ctx, kRemoteControl, kRemoteNoFestivalText); }

void on_shutdown_field_focus(Context &, const ui::Event &) {}

void scheduled_shutdown_check(Context &ctx) {
    const DateTime now = ctx.clock.now();
    const DateTime date = ctx.ui.date_value(kMainWindow, "日期框1");
    const auto set = shutdown_moment(date.year, date.month, date.day, ctx.ui.text(kMainWindow, "编辑框1"),
                                     ctx.ui.text(kMainWindow, "编辑框2"), ctx.ui.text(kMainWindow, "编辑框3"));
    if (set && clamp_date(to_serial(*set)) == clamp_date(to_serial(now)))
        ctx.power.power_off();
}

} // namespace tv::calendar
