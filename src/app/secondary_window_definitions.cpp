// The notice board and the remote-control bar.
#include "app/context.h"
#include "app/control_builders.h"
#include "app/window_definitions.h"
#include "calendar/tick.h"
#include "windows/notice_board.h"
#include "windows/remote_control.h"

namespace tv::app {

namespace {
using namespace build;

constexpr ControlDef kNoticeControls[] = {
    clear_label("透明标签1", 0, 24, 150, 20, "智 能 公 告", rgb(0xFF0000), TextEffect::DarkShadow, song(14, 700),
                HAlign::Center, false, Pointer::BlueArrow),
    clear_label("透明标签2", 8, 56, 134, 120, "", rgb(0xFFFF00), TextEffect::None, kDefaultFont, HAlign::Left, true,
                Pointer::PinkArrow),
    {.name = "标签1", .kind = ControlKind::Label, .left = 16, .top = 192, .width = 32, .height = 17, .caption = "100",
     .frame = 1, .text_color = rgb(0x00FF00), .back_color = rgb(0x000000), .h_align = HAlign::Center,
     .v_align = VAlign::Middle},
    clear_label("透明标签3", 56, 192, 80, 16, "秒后自动关闭", rgb(0x00FF00), TextEffect::DarkShadow),
    timer("时钟1", 184, 120, 32, 32, 0),
    invisible("气球提示框1", ControlKind::BalloonTips, 224, 128, 32, 24),
};

constexpr std::string_view kNoticeStacking[] = {"透明标签1", "透明标签2", "标签1", "透明标签3"};

constexpr Binding kNoticeBindings[] = {
    {"", EventKind::Created, windows::on_notice_board_created},
    {"透明标签1", EventKind::LeftButtonDown, windows::on_notice_heading_pressed},
    {"透明标签2", EventKind::LeftButtonDown, windows::on_notice_text_pressed},
    {"时钟1", EventKind::Periodic, windows::on_countdown_tick},
};

constexpr WindowDef kNoticeBoardDef{
    .id = kNoticeBoard,
    .caption = "智能云公告栏",
    .width = 150,
    .height = 220,
    .background = rgb(0x000080),
    .icon = "notice-board",
    .minimize_allowed = false,
    .maximize_allowed = false,
    .in_taskbar = true,
    .always_on_top = true,
    .shape = Shape::RoundedRectangle,
    .drag_anywhere = false,
    .esc_closes = false,
    .controls = kNoticeControls,
    .stacking = kNoticeStacking,
    .bindings = kNoticeBindings,
};

constexpr ControlDef kRemoteControls[] = {
    clear_label("日期", 16, 16, 150, 90, "", rgb(0xFF0000), TextEffect::None, kDefaultFont, HAlign::Center, true,
                Pointer::PinkSquare),
    {.name = "time", .kind = ControlKind::Label, .left = 184, .top = 16, .width = 120, .height = 23, .frame = 1,
     .effect = TextEffect::DarkShadow, .text_color = rgb(0x00FF00), .back_color = rgb(0x000000),
     .h_align = HAlign::Center, .v_align = VAlign::Middle, .font = Font{"Arial Black", 16, 700},
     .pointer = Pointer::BlueArrow},
    button("上网", 320, 16, 50, 23, "上网"),
    button("广播", 376, 16, 50, 23, "广播"),
    button("报纸", 432, 16, 50, 23, "报纸"),
    button("音乐", 488, 16, 50, 23, "音乐"),
    button("推荐", 544, 16, 50, 23, "推荐"),
    button("退出", 600, 16, 50, 23, "退出"),
    clear_label("公告", 184, 64, 469, 36, "", rgb(0xFFFF00), TextEffect::None, song(12), HAlign::Left, true,
                Pointer::PinkArrow),
    timer("时钟1", 64, 16, 40, 40, 0),
    invisible("气球提示框1", ControlKind::BalloonTips, 16, 16, 40, 40),
};

constexpr std::string_view kRemoteStacking[] = {"日期", "time", "上网", "广播", "报纸", "音乐", "推荐", "退出", "公告"};

constexpr Binding kRemoteBindings[] = {
    {"", EventKind::Created, windows::on_remote_control_created},
    {"上网", EventKind::Clicked, windows::on_remote_link_clicked},
    {"广播", EventKind::Clicked, windows::on_remote_link_clicked},
    {"报纸", EventKind::Clicked, windows::on_remote_link_clicked},
    {"音乐", EventKind::Clicked, windows::on_remote_link_clicked},
    {"推荐", EventKind::Clicked, windows::on_remote_link_clicked},
    {"退出", EventKind::Clicked, windows::on_remote_exit_clicked},
    {"公告", EventKind::LeftButtonDown, windows::on_remote_notice_pressed},
    {"日期", EventKind::LeftButtonDown, windows::on_remote_calendar_pressed},
    {"时钟1", EventKind::Periodic, calendar::on_remote_tick},
};

constexpr WindowDef kRemoteControlDef{
    .id = kRemoteControl,
    .caption = "电视机遥控器",
    .width = 672,
    .height = 123,
    .background = rgb(0x000000),
    .icon = "remote-control",
    .minimize_allowed = false,
    .maximize_allowed = false,
    .in_taskbar = true,
    .always_on_top = false,
    .shape = Shape::RoundedRectangle,
    .drag_anywhere = true,
    .esc_closes = true,
    .controls = kRemoteControls,
    .stacking = kRemoteStacking,
    .bindings = kRemoteBindings,
};

} // namespace

const ui::WindowDef &notice_board_window() { return kNoticeBoardDef; }
const ui::WindowDef &remote_control_window() { return kRemoteControlDef; }

std::span<const ui::WindowDef *const> window_catalogue() {
    static const ui::WindowDef *const all[] = {&main_window(), &notice_board_window(), &remote_control_window()};
    return all;
}

} // namespace tv::app
