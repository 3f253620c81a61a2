#pragma once
// The remote-control bar and full-window mode.
#include "app/context.h"

namespace tv::windows {

// Opens the bar; when it is open already, only restores or activates it.
void open_remote_control(Context &ctx);

// Full-window mode as the start-up switch enters it.
void start_full_window_at_startup(Context &ctx);
// Full-window mode as the lucky-number title label (透明标签7) enters it.
void on_title_label_pressed(Context &ctx, const ui::Event &event);

void on_remote_control_created(Context &ctx, const ui::Event &event);
void on_remote_link_clicked(Context &ctx, const ui::Event &event); // 上网, 广播, 报纸, 音乐, 推荐
void on_remote_exit_clicked(Context &ctx, const ui::Event &event); // 退出
void on_remote_notice_pressed(Context &ctx, const ui::Event &event);   // 公告
void on_remote_calendar_pressed(Context &ctx, const ui::Event &event); // 日期

} // namespace tv::windows
