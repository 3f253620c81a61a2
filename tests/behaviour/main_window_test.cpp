// The main window's behaviours: channels, popups, views, the picture box, minimise, close, links.
#include "app/main_window_behaviour.h"
#include "app/window_definitions.h"
#include "directory/links.h"
#include "playback/channels.h"

#include "../support/portal_fixture.h"

#include <gtest/gtest.h>

namespace tv::app {
namespace {

using tv::testing::directory_page;
using tv::testing::Portal;

constexpr std::string_view kBrowser = "超文本浏览框1";

struct MainWindow : Portal {
    MainWindow() : Portal(window_catalogue()) {}
    void start(const std::string &page = {}) {
        if (!page.empty())
            serve(page);
        ui.load_window(kMainWindow);
    }
    std::string address() { return utf8_from_gbk(ui.address(kMainWindow, kBrowser)); }
    bool shown(std::string_view control) { return ui.visible(kMainWindow, control); }
};

// Every channel key holds its own name, so an address shows which key was read.
std::string page_of_own_names() {
    std::vector<std::pair<std::string, std::string>> entries{{"水平扫描", "640"}, {"垂直扫描", "480"}};
    for (const auto &k : directory::keys_of(directory::Read::StartUp))
        if (k.key != "水平扫描" && k.key != "垂直扫描")
            entries.emplace_back(std::string(k.key), "v-" + std::string(k.key));
    return directory_page(entries);
}

TEST(Channels, EveryButtonPlaysItsOwnKey) {
    MainWindow p;
    p.start(page_of_own_names());
    for (const auto &b : playback::kChannelButtons) {
        p.ui.set_visible(kMainWindow, "封面", true);
        p.ui.click(kMainWindow, b.control);
        EXPECT_EQ(p.address(), "v-" + std::string(b.key) + "&640&480&") << b.control;
        EXPECT_FALSE(p.shown("封面")) << b.control;
    }
}

TEST(Channels, EveryPopupItemPlaysItsOwnKey) {
    MainWindow p;
    p.start(page_of_own_names());
    for (const auto &item : playback::kChannelItems) {
        p.ui.answer_next_popup(std::string(item.control));
        p.ui.click(kMainWindow, "按钮17");
        EXPECT_EQ(p.address(), "v-" + std::string(item.key) + "&640&480&") << item.control;
    }
    EXPECT_EQ(playback::kChannelItems[37].key, "紫");
    EXPECT_EQ(playback::kChannelItems[44].key, "柒");
}

TEST(Channels, AddressCases) {
    const struct {
        std::vector<std::pair<std::string, std::string>> entries;
        std::string_view control;
        std::string address;
    } cases[] = {
        {{{"央视综合", "a.html?ch=1"}, {"水平扫描", "640"}, {"垂直扫描", "480"}}, "按钮1", "a.html?ch=1&640&480&"},
        {{{"央视综合", "a.html"}}, "按钮1", "a.html&&&"},
        {{}, "按钮1", "&&&"},
        {{{"信息通道", "b.html"}, {"水平扫描", "640"}}, "按钮16", "b.html"},
        {{}, "按钮16", ""},
        {{{"信息通道", "a&amp;b"}}, "按钮16", "a&amp;b"},
    };
    for (const auto &c : cases) {
        MainWindow p;
        p.start(directory_page(c.entries));
        p.ui.click(kMainWindow, c.control);
        EXPECT_EQ(p.address(), c.address);
        EXPECT_FALSE(p.shown("封面"));
        EXPECT_TRUE(p.shown(kBrowser)); // position, size and visibility of the browser are untouched
        EXPECT_EQ(p.ui.width(kMainWindow, kBrowser), 504);
    }
}

TEST(Popups, OpenAtThePointerWithTheirItemsInOrder) {
    MainWindow p;
    p.start();
    p.ui.set_mouse_position({612, 400});
    p.ui.click(kMainWindow, "按钮17");
    p.ui.set_mouse_position({530, 180});
    p.ui.press(kMainWindow, "透明标签2");
    ASSERT_EQ(p.ui.popups().size(), 2u);
    const auto &channels = p.ui.popups()[0];
    EXPECT_EQ(channels.at, (ui::Point{612, 400}));
    ASSERT_EQ(channels.items.size(), 48u);
    EXPECT_EQ(channels.items.front(), "北京卫视");
    EXPECT_EQ(channels.items[31], "......赤");
    EXPECT_EQ(channels.items.back(), "作者频道");
    const auto &extras = p.ui.popups()[1];
    EXPECT_EQ(extras.at, (ui::Point{530, 180}));
    EXPECT_EQ(extras.items, (std::vector<std::string>{"关闭", "最小", "作者"}));
    // Dismissed popups changed nothing.
    EXPECT_EQ(p.address(), "");
    EXPECT_TRUE(p.ui.is_open(kMainWindow));
}

TEST(Views, TransformAndBackChangeOnlyVisibility) {
    const struct {
        std::vector<std::string_view> clicks;
        bool title, cover, browser;
    } cases[] = {
        {{}, true, true, true},
        {{"按钮18"}, false, false, false},
        {{"按钮18", "按钮18"}, false, false, false},
        {{"按钮18", "按钮28"}, true, false, true}, // the cover stays hidden
        {{"按钮28"}, true, true, true},
        {{"按钮1", "按钮18", "按钮28", "按钮28"}, true, false, true},
    };
    for (const auto &c : cases) {
        MainWindow p;
        p.start();
        for (auto b : c.clicks)
            p.ui.click(kMainWindow, b);
        EXPECT_EQ(p.shown("标签1"), c.title);
        EXPECT_EQ(p.shown("封面"), c.cover);
        EXPECT_EQ(p.shown(kBrowser), c.browser);
        EXPECT_EQ(p.ui.width(kMainWindow, kBrowser), 504);
    }
}

TEST(Views, ChannelChosenInTheToolsViewLoadsIntoTheHiddenBrowser) {
    MainWindow p;
    p.start(directory_page({{"北京卫视", "http://x/bj"}}));
    p.ui.click(kMainWindow, "按钮18");
    p.ui.answer_next_popup("北京卫视");
    p.ui.click(kMainWindow, "按钮17");
    EXPECT_EQ(p.address(), "http://x/bj&&&");
    EXPECT_FALSE(p.shown(kBrowser));
    p.ui.click(kMainWindow, "按钮28");
    EXPECT_TRUE(p.shown(kBrowser));
}

TEST(Views, PictureBoxButtons) {
    MainWindow p;
    p.start();
    EXPECT_TRUE(p.shown("图片框1"));
    p.ui.click(kMainWindow, "按钮27");
    EXPECT_FALSE(p.shown("图片框1"));
    p.ui.click(kMainWindow, "按钮27");
    EXPECT_FALSE(p.shown("图片框1"));
    p.ui.click(kMainWindow, "按钮30");
    EXPECT_TRUE(p.shown("图片框1"));
}

TEST(WindowCommands, MinimiseOnlyWhileVisible) {
    MainWindow p;
    p.start();
    p.ui.answer_next_popup("最小");
    p.ui.press(kMainWindow, "透明标签2");
    EXPECT_EQ(p.ui.window_state(kMainWindow), ui::kMinimised);
    p.ui.answer_next_popup("最小");
    p.ui.press(kMainWindow, "透明标签2");
    EXPECT_EQ(p.ui.window_state(kMainWindow), ui::kMinimised);

    MainWindow hidden;
    hidden.start();
    hidden.ui.set_window_visible(kMainWindow, false);
    hidden.ui.answer_next_popup("最小");
    hidden.ui.press(kMainWindow, "透明标签2");
    EXPECT_EQ(hidden.ui.window_state(kMainWindow), ui::kNormal);
}

TEST(WindowCommands, CloseEndsTheProgramOnlyWithTheLastWindow) {
    MainWindow alone;
    alone.start();
    alone.ui.answer_next_popup("关闭");
    alone.ui.press(kMainWindow, "透明标签2");
    EXPECT_FALSE(alone.ui.is_open(kMainWindow));
    EXPECT_TRUE(alone.ui.program_ended());

    MainWindow with_notice;
    with_notice.start(directory_page({{"智能识别", "1"}}));
    with_notice.ui.answer_next_popup("关闭");
    with_notice.ui.press(kMainWindow, "透明标签2");
    EXPECT_FALSE(with_notice.ui.is_open(kMainWindow));
    EXPECT_FALSE(with_notice.ui.program_ended());
    with_notice.ui.advance(100'000);
    EXPECT_FALSE(with_notice.ui.is_open(kNoticeBoard));
    EXPECT_TRUE(with_notice.ui.program_ended());
}

TEST(Links, OnlyWebAddressesFromTheDirectoryReachTheDesktop) {
    const struct {
        std::string_view value;
        bool opened;
    } cases[] = {
        {"http://example.org/forum", true},
        {"HTTPS://example.org/", true},
        {"", false},
        {"http://", false},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"C:\\Windows\\notepad.exe", false},
        {"smb://host/share", false},
        {"javascript:alert(1)", false},
        {"data:text/html,hi", false},
        {" http://example.org/", false},
        {"ftp://example.org/", false},
    };
    for (const auto &c : cases) {
        MainWindow p;
        p.start(directory_page({{"官网论坛", std::string(c.value)}}));
        p.ui.press(kMainWindow, "透明标签1");
        EXPECT_EQ(p.links.opened.size(), c.opened ? 1u : 0u) << c.value;
        if (c.opened) {
            EXPECT_EQ(p.links.opened[0], c.value);
        }
    }
}

TEST(Links, MenuItemsAndFixedAddresses) {
    MainWindow p;
    p.start(directory_page({{"点播引擎", "http://a/vod"}, {"软件升级", "http://a/up"}, {"作者频道", "http://a/ch"}}));
    for (std::string item : {"点播引擎", "软件升级", "作者频道"}) {
        p.ui.answer_next_popup(item);
        p.ui.click(kMainWindow, "按钮17");
    }
    p.ui.answer_next_popup("作者");
    p.ui.press(kMainWindow, "透明标签2");
    p.ui.press(kMainWindow, "日期");
    EXPECT_EQ(p.links.opened, (std::vector<std::string>{"http://a/vod", "http://a/up", "http://a/ch",
                                                        std::string(kChatLink), std::string(kPersonalSpace)}));
    EXPECT_EQ(p.address(), ""); // link items are not channels
}

} // namespace
} // namespace tv::app
