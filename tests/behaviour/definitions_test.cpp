// The three window definitions hold together: names, bindings, menus, stacking, geometry.
#include "app/window_definitions.h"
#include "playback/channels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tv::app {
namespace {

using namespace tv::ui;

struct Expected {
    std::string_view name;
    ControlKind kind;
    int left, top, width, height;
    std::string_view caption;
};

void expect_controls(const WindowDef &w, std::span<const Expected> expected) {
    for (const auto &e : expected) {
        const ControlDef *c = find_control(w, e.name);
        ASSERT_NE(c, nullptr) << e.name;
        EXPECT_EQ(c->kind, e.kind) << e.name;
        EXPECT_EQ((std::array{c->left, c->top, c->width, c->height}), (std::array{e.left, e.top, e.width, e.height}))
            << e.name;
        EXPECT_EQ(c->caption, e.caption) << e.name;
    }
}

TEST(Definitions, MainWindowControls) {
    const Expected expected[] = {
        {"超文本浏览框1", ControlKind::Browser, 0, 0, 504, 420, ""},
        {"封面", ControlKind::Label, 0, 0, 504, 420, ""},
        {"标签1", ControlKind::Label, 8, 8, 185, 20, "岚泽·多功能网络电视 V 8.7s"},
        {"虚拟显卡", ControlKind::EditBox, 200, 8, 20, 20, "&"},
        {"透明标签2", ControlKind::TransparentLabel, 504, 16, 167, 20, "频道选择"},
        {"按钮1", ControlKind::Button, 520, 48, 64, 23, "CCTV-1"},
        {"按钮9", ControlKind::Button, 520, 240, 64, 23, "CCTV-9"},
        {"按钮10", ControlKind::Button, 592, 48, 64, 23, "CCTV-10"},
        {"按钮13", ControlKind::Button, 592, 120, 64, 23, "CCTV-新闻"},
        {"按钮16", ControlKind::Button, 592, 192, 64, 23, "信息通道"},
        {"按钮17", ControlKind::Button, 592, 216, 64, 23, "↓更多↑"},
        {"按钮18", ControlKind::Button, 592, 240, 64, 23, "〓变形〓"},
        {"透明标签1", ControlKind::TransparentLabel, 512, 264, 150, 24, "听松小筑·出品"},
        {"time", ControlKind::Label, 512, 288, 150, 25, ""},
        {"日期", ControlKind::TransparentLabel, 512, 320, 150, 88, ""},
        {"透明标签3", ControlKind::TransparentLabel, 24, 16, 80, 24, "电脑将于"},
        {"日期框1", ControlKind::DateBox, 104, 16, 152, 24, ""},
        {"编辑框1", ControlKind::EditBox, 272, 16, 25, 24, ""},
        {"透明标签6", ControlKind::TransparentLabel, 392, 16, 86, 24, "秒·关 机"},
        {"透明标签7", ControlKind::TransparentLabel, 136, 128, 233, 45, "七 星 彩 选 号 机"},
        {"编辑框4", ControlKind::EditBox, 144, 184, 25, 24, ""},
        {"编辑框10", ControlKind::EditBox, 336, 184, 25, 24, ""},
        {"按钮31", ControlKind::Button, 144, 224, 218, 30, " 幸    运     开    始 "},
        {"按钮29", ControlKind::Button, 168, 296, 77, 23, "控制面板"},
        {"按钮26", ControlKind::Button, 360, 368, 77, 23, "特殊字符"},
        {"按钮27", ControlKind::Button, 24, 176, 40, 40, "财富软件"},
        {"按钮28", ControlKind::Button, 448, 176, 40, 40, "回到电视"},
        {"图片框1", ControlKind::PictureBox, 72, 64, 365, 262, ""},
        {"时钟1", ControlKind::Timer, 440, 352, 48, 40, ""},
        {"气球提示框1", ControlKind::BalloonTips, 456, 8, 40, 40, ""},
        {"超级菜单1", ControlKind::MenuStyler, 8, 32, 50, 48, ""},
    };
    const WindowDef &w = main_window();
    expect_controls(w, expected);
    EXPECT_EQ(w.controls.size(), 59u); // 56 stacked controls and 3 invisible components
    EXPECT_EQ((std::array{w.width, w.height}), (std::array{671, 420}));
    EXPECT_FALSE(find_control(w, "虚拟显卡")->visible);
    EXPECT_EQ(find_control(w, "时钟1")->timer_period_ms, 1000);
}

TEST(Definitions, SecondaryWindowControls) {
    const Expected notice[] = {
        {"透明标签1", ControlKind::TransparentLabel, 0, 24, 150, 20, "智 能 公 告"},
        {"透明标签2", ControlKind::TransparentLabel, 8, 56, 134, 120, ""},
        {"标签1", ControlKind::Label, 16, 192, 32, 17, "100"},
        {"透明标签3", ControlKind::TransparentLabel, 56, 192, 80, 16, "秒后自动关闭"},
        {"时钟1", ControlKind::Timer, 184, 120, 32, 32, ""},
    };
    const Expected remote[] = {
        {"日期", ControlKind::TransparentLabel, 16, 16, 150, 90, ""},
        {"time", ControlKind::Label, 184, 16, 120, 23, ""},
        {"上网", ControlKind::Button, 320, 16, 50, 23, "上网"},
        {"退出", ControlKind::Button, 600, 16, 50, 23, "退出"},
        {"公告", ControlKind::TransparentLabel, 184, 64, 469, 36, ""},
        {"时钟1", ControlKind::Timer, 64, 16, 40, 40, ""},
    };
    expect_controls(notice_board_window(), notice);
    expect_controls(remote_control_window(), remote);
    EXPECT_EQ(find_control(notice_board_window(), "时钟1")->timer_period_ms, 0);
    EXPECT_EQ(find_control(remote_control_window(), "时钟1")->timer_period_ms, 0);
    EXPECT_EQ(rounded_corner(150, 220), 30);
    EXPECT_EQ(rounded_corner(672, 123), 24);
    EXPECT_EQ(rounded_corner(300, 100), 20);
}

TEST(Definitions, NamesUniqueBindingsResolveStackingComplete) {
    for (const WindowDef *w : window_catalogue()) {
        std::set<std::string_view> names;
        for (const auto &c : w->controls)
            EXPECT_TRUE(names.insert(c.name).second) << w->id << "/" << c.name;
        for (const auto &b : w->bindings) {
            EXPECT_NE(b.handler, nullptr) << w->id << "/" << b.control;
            if (!b.control.empty()) {
                EXPECT_TRUE(names.count(b.control)) << w->id << "/" << b.control;
            }
        }
        EXPECT_EQ(std::count_if(w->bindings.begin(), w->bindings.end(),
                                [](const Binding &b) { return b.kind == EventKind::Created; }),
                  1)
            << w->id;
        std::set<std::string_view> stacked(w->stacking.begin(), w->stacking.end());
        EXPECT_EQ(stacked.size(), w->stacking.size()) << w->id;
        for (const auto &c : w->controls) {
            const bool component = c.kind == ControlKind::Timer || c.kind == ControlKind::BalloonTips ||
                                   c.kind == ControlKind::MenuStyler;
            EXPECT_EQ(stacked.count(c.name), component ? 0u : 1u) << w->id << "/" << c.name;
        }
    }
    const auto &stack = main_window().stacking;
    EXPECT_EQ(stack.size(), 56u);
    EXPECT_EQ(stack[0], "虚拟显卡");
    EXPECT_EQ(stack[2], "封面");
    EXPECT_EQ(stack[3], "超文本浏览框1");
    EXPECT_EQ(stack.back(), "按钮17");
}

TEST(Definitions, MenuItemsInStoredOrder) {
    const auto &menu = main_window().menu;
    ASSERT_EQ(menu.size(), 51u);
    for (std::size_t i = 0; i < playback::kChannelItems.size(); ++i) {
        EXPECT_EQ(menu[i].head, "地方卫视");
        EXPECT_EQ(menu[i].caption, playback::kChannelItems[i].control);
    }
    const std::string_view rest[] = {"点播引擎", "软件升级", "作者频道", "关闭", "最小", "作者"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(menu[45 + i].caption, rest[i]);
        EXPECT_EQ(menu[45 + i].head, i < 3 ? "地方卫视" : "附加功能");
        EXPECT_NE(menu[45 + i].selected, nullptr);
    }
}

TEST(Definitions, WindowProperties) {
    const WindowDef &m = main_window(), &n = notice_board_window(), &r = remote_control_window();
    EXPECT_EQ(m.caption, "QQ：100001");
    EXPECT_TRUE(m.drag_anywhere && m.esc_closes && m.minimize_allowed && !m.maximize_allowed && !m.always_on_top);
    EXPECT_EQ(n.caption, "智能云公告栏");
    EXPECT_TRUE(!n.drag_anywhere && !n.esc_closes && n.always_on_top && n.shape == Shape::RoundedRectangle);
    EXPECT_EQ((std::array{n.width, n.height}), (std::array{150, 220}));
    EXPECT_EQ(r.caption, "电视机遥控器");
    EXPECT_TRUE(r.drag_anywhere && r.esc_closes && !r.always_on_top && r.shape == Shape::RoundedRectangle);
    EXPECT_EQ((std::array{r.width, r.height}), (std::array{672, 123}));
}

} // namespace
} // namespace tv::app
