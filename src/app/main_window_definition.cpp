// The main window: player area, channel column, clock and calendar, tools panel, menus.
#include "app/control_builders.h"
#include "app/main_window_behaviour.h"
#include "app/start_up.h"
#include "app/window_definitions.h"
#include "calendar/tick.h"
#include "playback/channels.h"
#include "tools/launchers.h"
#include "tools/lucky_numbers.h"
#include "windows/remote_control.h"

namespace tv::app {

namespace {
using namespace build;

constexpr Font kRowFont = song(16, 700);
constexpr Font kBoxFont = song(12, 700);
constexpr std::array<Color, 6> kMenuColors{rgb(0xFFFFFF), rgb(0xFF80C0), rgb(0xFFFFFF),
                                           rgb(0xFF80C0), rgb(0xFFECF5), rgb(0xFFC1DA)};

constexpr ControlDef kControls[] = {
    // Player area
    {.name = "超文本浏览框1", .kind = ControlKind::Browser, .left = 0, .top = 0, .width = 504, .height = 420,
     .browser_text_size = 2, .browser_silent = true},
    {.name = "封面", .kind = ControlKind::Label, .left = 0, .top = 0, .width = 504, .height = 420, .frame = 3,
     .back_color = rgb(0x000000), .picture = "cover.jpg"},
    {.name = "标签1", .kind = ControlKind::Label, .left = 8, .top = 8, .width = 185, .height = 20,
     .caption = "岚泽·多功能网络电视 V 8.7s", .frame = 1, .effect = TextEffect::DarkShadow,
     .text_color = rgb(0xFFFF00), .gradient = Gradient{rgb(0x000000), rgb(0xFF0000), rgb(0x000000)},
     .h_align = HAlign::Center, .v_align = VAlign::Middle},
    {.name = "虚拟显卡", .kind = ControlKind::EditBox, .left = 200, .top = 8, .width = 20, .height = 20, .caption = "&",
     .visible = false, .frame = 1, .text_color = rgb(0x00FF00), .back_color = rgb(0x000000),
     .h_align = HAlign::Center, .v_align = VAlign::Middle},
    // Channel column
    clear_label("透明标签2", 504, 16, 167, 20, "频道选择", rgb(0xFF0080), TextEffect::DarkShadow, song(15, 700),
                HAlign::Center, false, Pointer::PinkArrow),
    button("按钮1", 520, 48, 64, 23, "CCTV-1"),
    button("按钮2", 520, 72, 64, 23, "CCTV-2"),
    button("按钮3", 520, 96, 64, 23, "CCTV-3"),
    button("按钮4", 520, 120, 64, 23, "CCTV-4"),
    button("按钮5", 520, 144, 64, 23, "CCTV-5"),
    button("按钮6", 520, 168, 64, 23, "CCTV-6"),
    button("按钮7", 520, 192, 64, 23, "CCTV-7"),
    button("按钮8", 520, 216, 64, 23, "CCTV-8"),
    button("按钮9", 520, 240, 64, 23, "CCTV-9"),
    button("按钮10", 592, 48, 64, 23, "CCTV-10"),
    button("按钮11", 592, 72, 64, 23, "CCTV-11"),
    button("按钮12", 592, 96, 64, 23, "CCTV-12"),
    button("按钮13", 592, 120, 64, 23, "CCTV-新闻"),
    button("按钮14", 592, 144, 64, 23, "CCTV-少儿"),
    button("按钮15", 592, 168, 64, 23, "CCTV-音乐"),
    button("按钮16", 592, 192, 64, 23, "信息通道"),
    button("按钮17", 592, 216, 64, 23, "↓更多↑"),
    button("按钮18", 592, 240, 64, 23, "〓变形〓"),
    // Clock and calendar
    clear_label("透明标签1", 512, 264, 150, 24, "听松小筑·出品", rgb(0x000000), TextEffect::LightShadow, song(12),
                HAlign::Center, false, Pointer::BlueArrow),
    {.name = "time", .kind = ControlKind::Label, .left = 512, .top = 288, .width = 150, .height = 25, .frame = 1,
     .effect = TextEffect::DarkShadow, .text_color = rgb(0x00FF00), .back_color = rgb(0x000000),
     .h_align = HAlign::Center, .v_align = VAlign::Middle, .font = Font{"Arial Black", 21, 400}},
    clear_label("日期", 512, 320, 150, 88, "", rgb(0xFF0000), TextEffect::Raised, kDefaultFont, HAlign::Center, true,
                Pointer::PinkSquare),
    // Tools panel: the shutdown row
    clear_label("透明标签3", 24, 16, 80, 24, "电脑将于", rgb(0xFFFF00), TextEffect::DarkShadow, kRowFont),
    {.name = "日期框1", .kind = ControlKind::DateBox, .left = 104, .top = 16, .width = 152, .height = 24, .frame = 1,
     .font = kRowFont},
    dark_edit("编辑框1", 272, 16, 25, 24, rgb(0xFF0000), kBoxFont),
    clear_label("透明标签4", 296, 16, 25, 24, "时", rgb(0xFF0000), TextEffect::LightShadow, kRowFont),
    dark_edit("编辑框2", 320, 16, 25, 24, rgb(0x00FF00), kBoxFont),
    clear_label("透明标签5", 344, 16, 25, 24, "分", rgb(0x00FF00), TextEffect::LightShadow, kRowFont),
    dark_edit("编辑框3", 368, 16, 25, 24, rgb(0x0000FF), kBoxFont),
    clear_label("透明标签6", 392, 16, 86, 24, "秒·关 机", rgb(0x0000FF), TextEffect::LightShadow, kRowFont),
    // Tools panel: the lucky-number picker
    clear_label("透明标签7", 136, 128, 233, 45, "七 星 彩 选 号 机", rgb(0x800080), TextEffect::LightShadow,
                Font{"楷体_GB2312", 24, 700}, HAlign::Center, false, Pointer::PinkArrow),
    dark_edit("编辑框4", 144, 184, 25, 24, rgb(0xFF0000), kBoxFont),
    dark_edit("编辑框5", 176, 184, 25, 24, rgb(0xFF8000), kBoxFont),
    dark_edit("编辑框6", 208, 184, 25, 24, rgb(0xFFFF00), kBoxFont),
    dark_edit("编辑框7", 240, 184, 25, 24, rgb(0x00FF00), kBoxFont),
    dark_edit("编辑框8", 272, 184, 25, 24, rgb(0x00FFFF), kBoxFont),
    dark_edit("编辑框9", 304, 184, 25, 24, rgb(0x0000FF), kBoxFont),
    dark_edit("编辑框10", 336, 184, 25, 24, rgb(0x800080), kBoxFont),
    button("按钮31", 144, 224, 218, 30, " 幸    运     开    始 "),
    // Tools panel: tool buttons
    button("按钮29", 168, 296, 77, 23, "控制面板"),
    button("按钮30", 264, 296, 77, 23, "矩阵系统"),
    button("按钮19", 72, 336, 77, 23, "数学计算"),
    button("按钮20", 168, 336, 77, 23, "网络信使"),
    button("按钮21", 264, 336, 77, 23, "屏幕键盘"),
    button("按钮22", 360, 336, 77, 23, "启动管理"),
    button("按钮23", 72, 368, 77, 23, "电脑诊断"),
    button("按钮24", 168, 368, 77, 23, "画图工具"),
    button("按钮25", 264, 368, 77, 23, "录音设备"),
    button("按钮26", 360, 368, 77, 23, "特殊字符"),
    // Side buttons and the picture box
    button("按钮27", 24, 176, 40, 40, "财富软件"),
    button("按钮28", 448, 176, 40, 40, "回到电视"),
    {.name = "图片框1", .kind = ControlKind::PictureBox, .left = 72, .top = 64, .width = 365, .height = 262,
     .frame = 1, .picture = "animation.gif"},
    // Invisible components
    timer("时钟1", 440, 352, 48, 40, 1000),
    invisible("气球提示框1", ControlKind::BalloonTips, 456, 8, 40, 40),
    {.name = "超级菜单1", .kind = ControlKind::MenuStyler, .left = 8, .top = 32, .width = 50, .height = 48,
     .visible = false, .font = song(12), .menu_colors = kMenuColors},
};

constexpr std::string_view kStacking[] = {
    "虚拟显卡", "标签1",     "封面",      "超文本浏览框1", "按钮16",    "按钮15",    "按钮14",    "按钮13",
    "按钮12",   "按钮11",    "按钮10",    "按钮9",         "按钮8",     "按钮7",     "按钮6",     "按钮5",
    "按钮4",    "按钮3",     "按钮2",     "按钮1",         "图片框1",   "透明标签7", "按钮31",    "编辑框10",
    "编辑框9",  "编辑框8",   "编辑框7",   "编辑框6",       "编辑框5",   "编辑框4",   "透明标签6", "透明标签5",
    "透明标签4", "透明标签3", "按钮30",   "按钮29",        "编辑框3",   "编辑框2",   "编辑框1",   "日期框1",
    "按钮28",   "按钮27",    "按钮26",    "按钮25",        "按钮24",    "按钮23",    "按钮22",    "按钮21",
    "按钮20",   "按钮19",    "透明标签1", "日期",          "time",      "透明标签2", "按钮18",    "按钮17",
};

constexpr std::string_view kChannelHead = "地方卫视";
constexpr std::string_view kExtrasHead = "附加功能";

constexpr MenuItemDef channel_item(std::string_view caption) {
    return {kChannelHead, caption, playback::on_channel_chosen};
}

constexpr MenuItemDef kMenu[] = {
    channel_item("北京卫视"), channel_item("天津卫视"), channel_item("上海卫视"), channel_item("重庆卫视"),
    channel_item("河北卫视"), channel_item("河南卫视"), channel_item("山西卫视"), channel_item("山东卫视"),
    channel_item("江苏卫视"), channel_item("江西卫视"), channel_item("安徽卫视"), channel_item("浙江卫视"),
    channel_item("湖北卫视"), channel_item("湖南卫视"), channel_item("福建卫视"), channel_item("广东卫视"),
    channel_item("广西卫视"), channel_item("海南卫视"), channel_item("贵州卫视"), channel_item("四川卫视"),
    channel_item("云南卫视"), channel_item("甘肃卫视"), channel_item("宁夏卫视"), channel_item("陕西卫视"),
    channel_item("黑龙卫视"), channel_item("吉林卫视"), channel_item("辽宁卫视"), channel_item("内蒙卫视"),
    channel_item("青海卫视"), channel_item("西藏卫视"), channel_item("新疆卫视"),
    channel_item("......赤"), channel_item("......橙"), channel_item("......黄"), channel_item("......绿"),
    channel_item("......青"), channel_item("......蓝"), channel_item("......紫"),
    channel_item("壹"), channel_item("贰"), channel_item("叁"), channel_item("肆"),
    channel_item("伍"), channel_item("陆"), channel_item("柒"),
    {kChannelHead, "点播引擎", on_link_item_chosen},
    {kChannelHead, "软件升级", on_link_item_chosen},
    {kChannelHead, "作者频道", on_link_item_chosen},
    {kExtrasHead, "关闭", on_close_chosen},
    {kExtrasHead, "最小", on_minimise_chosen},
    {kExtrasHead, "作者", on_chat_chosen},
};

constexpr Binding on_click(std::string_view control, Handler handler) {
    return {control, EventKind::Clicked, handler};
}
constexpr Binding on_press(std::string_view control, Handler handler) {
    return {control, EventKind::LeftButtonDown, handler};
}

constexpr Binding kBindings[] = {
    {"", EventKind::Created, on_main_window_created},
    on_click("按钮1", playback::on_channel_chosen),
    on_click("按钮2", playback::on_channel_chosen),
    on_click("按钮3", playback::on_channel_chosen),
    on_click("按钮4", playback::on_channel_chosen),
    on_click("按钮5", playback::on_channel_chosen),
    on_click("按钮6", playback::on_channel_chosen),
    on_click("按钮7", playback::on_channel_chosen),
    on_click("按钮8", playback::on_channel_chosen),
    on_click("按钮9", playback::on_channel_chosen),
    on_click("按钮10", playback::on_channel_chosen),
    on_click("按钮11", playback::on_channel_chosen),
    on_click("按钮12", playback::on_channel_chosen),
    on_click("按钮13", playback::on_channel_chosen),
    on_click("按钮14", playback::on_channel_chosen),
    on_click("按钮15", playback::on_channel_chosen),
    on_click("按钮16", playback::on_information_channel),
    on_click("按钮17", on_channel_popup_clicked),
    on_click("按钮18", on_tools_view_clicked),
    on_click("按钮27", on_hide_picture_clicked),
    on_click("按钮28", on_tv_view_clicked),
    on_click("按钮30", on_show_picture_clicked),
    on_press("透明标签1", on_credit_pressed),
    on_press("透明标签2", on_extras_popup_pressed),
    on_press("日期", on_calendar_pressed),
    on_press("透明标签7", windows::on_title_label_pressed),
    on_click("按钮19", tools::on_launcher_clicked),
    on_click("按钮20", tools::on_launcher_clicked),
    on_click("按钮21", tools::on_launcher_clicked),
    on_click("按钮22", tools::on_launcher_clicked),
    on_click("按钮23", tools::on_launcher_clicked),
    on_click("按钮24", tools::on_launcher_clicked),
    on_click("按钮25", tools::on_launcher_clicked),
    on_click("按钮26", tools::on_launcher_clicked),
    on_click("按钮29", tools::on_settings_clicked),
    on_click("按钮31", tools::on_lucky_clicked),
    {"编辑框1", EventKind::GotFocus, calendar::on_shutdown_field_focus},
    {"编辑框2", EventKind::GotFocus, calendar::on_shutdown_field_focus},
    {"编辑框3", EventKind::GotFocus, calendar::on_shutdown_field_focus},
    {"时钟1", EventKind::Periodic, calendar::on_main_tick},
};

constexpr WindowDef kMainWindowDef{
    .id = kMainWindow,
    .caption = "QQ：100001",
    .width = 671,
    .height = 420,
    .background = std::nullopt,
    .background_picture = "background.jpg",
    .icon = "tvportal",
    .minimize_allowed = true,
    .maximize_allowed = false,
    .in_taskbar = true,
    .always_on_top = false,
    .shape = Shape::Rectangle,
    .drag_anywhere = true,
    .esc_closes = true,
    .controls = kControls,
    .stacking = kStacking,
    .menu = kMenu,
    .bindings = kBindings,
};

} // namespace

const ui::WindowDef &main_window() { return kMainWindowDef; }

} // namespace tv::app
