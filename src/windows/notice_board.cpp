#include "windows/notice_board.h"

#include "core/gbk_convert.h"
#include "core/number_text.h"
#include "directory/directory_read.h"
#include "directory/links.h"
#include "windows/placement.h"

#include <cstdio>

namespace tv::windows {

namespace {
constexpr std::string_view kCountLabel = "标签1";
constexpr std::string_view kTimer = "时钟1";
constexpr int kWidth = 150;
constexpr int kHeight = 220;
constexpr double kRightMargin = 153;
constexpr double kBottomMargin = 262;
} // namespace

void open_notice_board(Context &ctx) {
    ctx.ui.load_window(kNoticeBoard);
}

void on_notice_board_created(Context &ctx, const ui::Event &) {
    directory::directory_read(ctx, directory::Read::NoticeBoard);
    ctx.ui.set_text(kNoticeBoard, "透明标签2", ctx.directory.value("智能公告"));
    place_from_screen_edge(ctx, kNoticeBoard, kRightMargin, kBottomMargin, kWidth, kHeight);
    ctx.ui.add_balloon_tip(kNoticeBoard, "气球提示框1", "透明标签1", gbk("官方网站"));
    ctx.ui.add_balloon_tip(kNoticeBoard, "气球提示框1", "透明标签2", gbk("点击此处查看"));
    ctx.ui.set_timer_period(kNoticeBoard, kTimer, 1000);
}

Text next_count(std::string_view gbk_caption) {
    const double next = read_number(gbk_caption) - 1;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13G", next);
    return Text(buffer);
}

void on_countdown_tick(Context &ctx, const ui::Event &) {
    ctx.ui.set_text(kNoticeBoard, kCountLabel, next_count(ctx.ui.text(kNoticeBoard, kCountLabel)));
    if (compare_texts(ctx.ui.text(kNoticeBoard, kCountLabel), "0") == 0) {
        ctx.ui.set_timer_period(kNoticeBoard, kTimer, 0);
        ctx.ui.request_destroy(kNoticeBoard);
    }
}

void on_notice_heading_pressed(Context &ctx, const ui::Event &) {
    directory::open_directory_link(ctx, ctx.directory.value("官方网站"));
}

void on_notice_text_pressed(Context &ctx, const ui::Event &) {
    directory::open_directory_link(ctx, ctx.directory.value("智能链接"));
}

} // namespace tv::windows
