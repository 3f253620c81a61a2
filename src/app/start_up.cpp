#include "app/start_up.h"

#include "core/gbk_convert.h"
#include "directory/directory_read.h"
#include "windows/notice_board.h"
#include "windows/remote_control.h"

#include <array>
#include <string>

namespace tv::app {

namespace {

struct Tip {
    std::string_view control;
    std::string_view text;
};

constexpr std::array<Tip, 7> kMainTips{{
    {"标签1", "按住可拖动窗口"},
    {"透明标签2", "单击能关闭软件"},
    {"按钮17", "展开所有电视台"},
    {"按钮18", "启动多功能模式"},
    {"透明标签1", "官网论坛"},
    {"time", "数字时钟"},
    {"日期", "万年日历"},
}};

constexpr int kOliveGreenLook = 2;
constexpr int kShutdownSeedMinutes = -3;
constexpr int kMainTimerPeriodMs = 1000;

} // namespace

void seed_shutdown_fields(Context &ctx) {
    const DateTime t = add_minutes(ctx.clock.now(), kShutdownSeedMinutes);
    ctx.ui.set_text(kMainWindow, "编辑框1", std::to_string(t.hour));
    ctx.ui.set_text(kMainWindow, "编辑框2", std::to_string(t.minute));
    ctx.ui.set_text(kMainWindow, "编辑框3", std::to_string(t.second));
    ctx.ui.set_date_value(kMainWindow, "日期框1", t);
}

void on_main_window_created(Context &ctx, const ui::Event &) {
    for (const Tip &tip : kMainTips)
        ctx.ui.add_balloon_tip(kMainWindow, "气球提示框1", tip.control, gbk(tip.text));
    ctx.ui.set_control_look(kOliveGreenLook);
    ctx.ui.set_window_visible(kMainWindow, true);
    ctx.directory.set_switch_baseline("0");
    directory::start_up_read(ctx, {windows::open_notice_board, windows::start_full_window_at_startup});
    seed_shutdown_fields(ctx);
    ctx.ui.set_timer_period(kMainWindow, "时钟1", kMainTimerPeriodMs);
}

int run_portal(Context &ctx) {
    ctx.ui.set_context(ctx);
    ctx.ui.set_exit_routine([&ctx] { ctx.directory.release_all(); });
    ctx.ui.load_window(kMainWindow);
    ctx.ui.run();
    return 0;
}

} // namespace tv::app
