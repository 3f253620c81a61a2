#pragma once
// The main window's own behaviours: the two popups, the view switches, the picture box,
// minimise and close, and its links.
#include "app/context.h"

namespace tv::app {

// The program's fixed addresses.
// The account number also ends the main window's caption ("QQ：" + number).
inline constexpr std::string_view kAccountNumber = "100001";
inline constexpr std::string_view kChatLink = "tencent://message/?uin=100001";
inline constexpr std::string_view kPersonalSpace = "https://space.tvportal.example/100001";

void on_channel_popup_clicked(Context &ctx, const ui::Event &event); // 按钮17
void on_extras_popup_pressed(Context &ctx, const ui::Event &event);  // 透明标签2
void on_tools_view_clicked(Context &ctx, const ui::Event &event);    // 按钮18
void on_tv_view_clicked(Context &ctx, const ui::Event &event);       // 按钮28
void on_hide_picture_clicked(Context &ctx, const ui::Event &event);  // 按钮27
void on_show_picture_clicked(Context &ctx, const ui::Event &event);  // 按钮30
void on_minimise_chosen(Context &ctx, const ui::Event &event);       // 最小
void on_close_chosen(Context &ctx, const ui::Event &event);          // 关闭
void on_chat_chosen(Context &ctx, const ui::Event &event);           // 作者
void on_link_item_chosen(Context &ctx, const ui::Event &event);      // 点播引擎, 软件升级, 作者频道
void on_credit_pressed(Context &ctx, const ui::Event &event);        // 透明标签1
void on_calendar_pressed(Context &ctx, const ui::Event &event);      // 日期

} // namespace tv::app
