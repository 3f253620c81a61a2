#include "windows/remote_control.h"

#include "core/gbk_convert.h"
#include "directory/directory_read.h"
#include "directory/links.h"
#include "windows/placement.h"

namespace tv::windows {

namespace {
constexpr std::string_view kBrowser = "超文本浏览框1";
constexpr int kFullWidth = 671;
constexpr int kFullHeight = 420;
constexpr int kWidth = 672;
constexpr int kHeight = 125;
constexpr double kRightMargin = 848;
constexpr double kBottomMargin = 168;

// Address first, then height, then width; the browser's position is kept.
void enlarge_browser(Context &ctx) {
    ctx.ui.set_address(kMainWindow, kBrowser, ctx.directory.value("施展咒语"));
    ctx.ui.set_height(kMainWindow, kBrowser, kFullHeight);
    ctx.ui.set_width(kMainWindow, kBrowser, kFullWidth);
}
} // namespace

void open_remote_control(Context &ctx) {
    ctx.ui.load_window(kRemoteControl);
}

void start_full_window_at_startup(Context &ctx) {
    enlarge_browser(ctx);
    ctx.ui.set_visible(kMainWindow, "封面", false);
    open_remote_control(ctx);
}

void on_title_label_pressed(Context &ctx, const ui::Event &) {
    enlarge_browser(ctx);
    ctx.ui.set_visible(kMainWindow, kBrowser, true);
    ctx.ui.set_visible(kMainWindow, "标签1", true);
    open_remote_control(ctx);
}

void on_remote_control_created(Context &ctx, const ui::Event &) {
    directory::directory_read(ctx, directory::Read::RemoteControl);
    ctx.ui.set_text(kRemoteControl, "公告", ctx.directory.value("智变公告"));
    place_from_screen_edge(ctx, kRemoteControl, kRightMargin, kBottomMargin, kWidth, kHeight);
    ctx.ui.add_balloon_tip(kRemoteControl, "气球提示框1", "日期", gbk("作者空间"));
    ctx.ui.add_balloon_tip(kRemoteControl, "气球提示框1", "公告", gbk("点击此处查看详情"));
    ctx.ui.add_balloon_tip(kRemoteControl, "气球提示框1", "time", gbk("此地按压移动软体"));
    ctx.ui.set_timer_period(kRemoteControl, "时钟1", 1000);
}

void on_remote_link_clicked(Context &ctx, const ui::Event &event) {
    // Each link button is named like the directory key that holds its address.
    directory::open_directory_link(ctx, ctx.directory.value(event.control));
}

void on_remote_exit_clicked(Context &ctx, const ui::Event &) {
    ctx.ui.request_destroy(kRemoteControl);
    ctx.ui.request_destroy(kMainWindow);
}

void on_remote_notice_pressed(Context &ctx, const ui::Event &) {
    directory::open_directory_link(ctx, ctx.directory.value("智变链接"));
}

void on_remote_calendar_pressed(Context &ctx, const ui::Event &) {
    directory::open_directory_link(ctx, ctx.directory.value("作者空间"));
}

} // namespace tv::windows
