// The notice board, the remote-control bar, full-window mode and the program's lifetime.
#include "app/window_definitions.h"
#include "windows/notice_board.h"

#include "../support/portal_fixture.h"

#include <gtest/gtest.h>

namespace tv::windows {
namespace {

using tv::testing::directory_page;
using tv::testing::Portal;

using Entries = std::vector<std::pair<std::string, std::string>>;

struct Started : Portal {
    explicit Started(const Entries &entries, ui::Size screen = {1024, 768})
        : Portal(app::window_catalogue()) {
        ui.set_screen_size(screen);
        serve(directory_page(entries));
        ui.load_window(kMainWindow);
    }
    std::string text(std::string_view window, std::string_view control) {
        return utf8_from_gbk(ui.text(window, control));
    }
};

const std::vector<std::pair<std::string, std::string>> kBothOn = {
    {"智能识别", "1"},     {"解除封印", "1"},         {"施展咒语", "http://h/full"}, {"智能公告", "notice!"},
    {"智变公告", "bar!"}, {"上网", "http://h/web"}, {"智变链接", "http://h/more"}, {"作者空间", "http://h/me"}};

TEST(NoticeBoard, IsPlacedInTheCornerAndShowsTheNotice) {
    Started p(Entries{{"智能识别", "1"}, {"智能公告", "公告文字"}});
    ASSERT_TRUE(p.ui.is_open(kNoticeBoard));
    EXPECT_EQ(p.ui.window_rect(kNoticeBoard), (ui::Rect{871, 506, 150, 220}));
    EXPECT_EQ(p.text(kNoticeBoard, "透明标签2"), "公告文字");
    EXPECT_EQ(p.ui.timer_period(kNoticeBoard, "时钟1"), 1000);
    EXPECT_TRUE(p.ui.always_on_top(kNoticeBoard));
}

TEST(NoticeBoard, CountsDownOneADeliveredTickAndClosesAtZero) {
    Started p(Entries{{"智能识别", "1"}});
    p.ui.close(kMainWindow);
    p.ui.advance(99'000);
    EXPECT_EQ(p.text(kNoticeBoard, "标签1"), "1");
    EXPECT_TRUE(p.ui.is_open(kNoticeBoard));
    p.ui.advance(1'000);
    EXPECT_FALSE(p.ui.is_open(kNoticeBoard));
    EXPECT_TRUE(p.ui.program_ended());
}

TEST(NoticeBoard, TicksLostWhileBlockedAreNotMadeUp) {
    Started p(Entries{{"智能识别", "1"}});
    p.clock.advance_ms(10'000); // the thread was busy for ten seconds
    p.ui.advance(1);
    EXPECT_EQ(p.text(kNoticeBoard, "标签1"), "99");
    p.ui.advance(1'000);
    EXPECT_EQ(p.text(kNoticeBoard, "标签1"), "98");
}

TEST(NoticeBoard, NextCountFormats) {
    const struct {
        std::string_view in, out;
    } cases[] = {{"100", "99"}, {"1", "0"}, {"0", "-1"}, {"", "-1"}, {"2.5", "1.5"}, {"1e15", "1E+15"}};
    for (const auto &c : cases)
        EXPECT_EQ(next_count(c.in), c.out) << c.in;
}

TEST(NoticeBoard, LinksGoThroughTheFilterAndLeaveTheCountAlone) {
    Started p(Entries{{"智能识别", "1"}, {"智能链接", "http://h/notice"}, {"官方网站", "file:///etc/passwd"}});
    p.ui.advance(3'000);
    p.ui.press(kNoticeBoard, "透明标签2");
    p.ui.press(kNoticeBoard, "透明标签1");
    EXPECT_EQ(p.links.opened, std::vector<std::string>{"http://h/notice"});
    EXPECT_EQ(p.text(kNoticeBoard, "标签1"), "97");
}

TEST(RemoteControl, PlacementIsComputedAndNotClamped) {
    const struct {
        ui::Size screen;
        ui::Rect rect;
    } cases[] = {{{1024, 768}, {176, 600, 672, 125}}, {{800, 600}, {-48, 432, 672, 125}}};
    for (const auto &c : cases) {
        Started p(Entries{{"解除封印", "1"}}, c.screen);
        EXPECT_EQ(p.ui.window_rect(kRemoteControl), c.rect);
    }
}

TEST(RemoteControl, FullWindowAtStartUpAndItsOwnTick) {
    Started p(kBothOn);
    EXPECT_EQ(utf8_from_gbk(p.ui.address(kMainWindow, "超文本浏览框1")), "http://h/full");
    EXPECT_FALSE(p.ui.visible(kMainWindow, "封面"));
    EXPECT_EQ(p.text(kRemoteControl, "公告"), "bar!");
    EXPECT_EQ(p.ui.timer_period(kRemoteControl, "时钟1"), 1000);
    p.ui.set_window_visible(kMainWindow, false);
    p.ui.advance(1000);
    EXPECT_EQ(p.text(kRemoteControl, "time"), "10:05:08");
    EXPECT_TRUE(p.ui.window_visible(kMainWindow)); // the bar's tick shows the main window again
}

TEST(RemoteControl, TitleLabelOpensOneBarAndRestoresIt) {
    Started p(Entries{{"施展咒语", "http://h/full"}});
    p.ui.click(kMainWindow, "按钮18"); // tools view: browser and title hidden
    p.ui.press(kMainWindow, "透明标签7");
    ASSERT_TRUE(p.ui.is_open(kRemoteControl));
    EXPECT_TRUE(p.ui.visible(kMainWindow, "超文本浏览框1"));
    EXPECT_TRUE(p.ui.visible(kMainWindow, "标签1"));
    EXPECT_FALSE(p.ui.visible(kMainWindow, "封面"));
    EXPECT_EQ(p.ui.width(kMainWindow, "超文本浏览框1"), 671);
    const auto gets = p.journal.with_prefix("get").size();
    p.ui.set_window_state(kRemoteControl, ui::kMinimised);
    p.ui.press(kMainWindow, "透明标签7");
    EXPECT_EQ(p.journal.with_prefix("create remote_control").size(), 1u);
    EXPECT_EQ(p.journal.with_prefix("get").size(), gets);
    EXPECT_EQ(p.ui.window_state(kRemoteControl), ui::kNormal);
    // Closed by other means, the bar opens anew and reads the page again.
    p.ui.close(kRemoteControl);
    p.ui.press(kMainWindow, "透明标签7");
    EXPECT_EQ(p.journal.with_prefix("create remote_control").size(), 2u);
    EXPECT_EQ(p.journal.with_prefix("get").size(), gets + 1);
}

TEST(RemoteControl, AFailedLaterReadEmptiesItsValues) {
    Started p(kBothOn);
    EXPECT_EQ(p.text(kRemoteControl, "公告"), "bar!");
    p.ui.close(kRemoteControl);
    p.http.bodies.clear();
    p.ui.press(kMainWindow, "透明标签7");
    EXPECT_EQ(p.text(kRemoteControl, "公告"), "");
    EXPECT_EQ(p.directory.value("上网"), "");
}

TEST(RemoteControl, LinksOfButtonsAndLabels) {
    Started p(kBothOn);
    p.ui.click(kRemoteControl, "上网");
    p.ui.click(kRemoteControl, "广播"); // empty: nothing
    p.ui.press(kRemoteControl, "公告");
    p.ui.press(kRemoteControl, "日期");
    EXPECT_EQ(p.links.opened, (std::vector<std::string>{"http://h/web", "http://h/more", "http://h/me"}));
}

TEST(Lifetime, TheProgramEndsWithItsLastWindow) {
    struct Case {
        const char *name;
        std::vector<std::string> steps;
        bool ended;
    };
    const Case cases[] = {
        {"exit closes the bar and the main window", {"exit"}, true},
        {"exit with the notice board counting", {"notice", "exit"}, false},
        {"exit after close", {"close", "exit"}, true},
        {"close leaves the bar working", {"close"}, false},
        {"notice board counts down after exit", {"notice", "exit", "wait"}, true},
    };
    for (const auto &c : cases) {
        auto entries = kBothOn;
        const bool notice = std::find(c.steps.begin(), c.steps.end(), "notice") != c.steps.end();
        entries[0].second = notice ? "1" : "0";
        Started p(entries);
        for (const auto &s : c.steps) {
            if (s == "exit")
                p.ui.click(kRemoteControl, "退出");
            if (s == "close") {
                p.ui.answer_next_popup("关闭");
                p.ui.press(kMainWindow, "透明标签2");
                EXPECT_TRUE(p.ui.is_open(kRemoteControl)) << c.name;
            }
            if (s == "wait")
                p.ui.advance(101'000);
        }
        EXPECT_EQ(p.ui.program_ended(), c.ended) << c.name;
    }
}

} // namespace
} // namespace tv::windows
