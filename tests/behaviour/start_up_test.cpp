// Start-up: the entry's steps, the created handler's order, the shutdown seed, the switches.
#include "app/start_up.h"
#include "app/window_definitions.h"

#include "../support/portal_fixture.h"

#include <gtest/gtest.h>

namespace tv::app {
namespace {

using tv::testing::directory_page;
using tv::testing::Portal;

struct StartedPortal : Portal {
    explicit StartedPortal(DateTime start = DateTime{2016, 1, 28, 10, 5, 7}) : Portal(window_catalogue(), start) {}
    void start() {
        ui.set_exit_routine([this] { directory.release_all(); });
        ui.load_window(kMainWindow);
    }
    std::string text(std::string_view control) { return utf8_from_gbk(ui.text(kMainWindow, control)); }
};

TEST(StartUp, CreatedHandlerRunsItsStepsInOrder) {
    StartedPortal p;
    p.serve(directory_page({{"水平扫描", "640"}}));
    p.start();
    const std::vector<std::string> expected = {
        "create main",       "tip main/标签1", "tip main/透明标签2", "tip main/按钮17", "tip main/按钮18",
        "tip main/透明标签1", "tip main/time",  "tip main/日期",      "look 2",          "pump",
        "get http://127.0.0.1:8173/directory.htm"};
    EXPECT_EQ(p.journal.entries, expected);
    EXPECT_TRUE(p.ui.window_visible(kMainWindow));
    EXPECT_EQ(p.directory.switch_baseline(), "0");
    EXPECT_EQ(p.value("水平扫描"), "640");
    EXPECT_EQ(p.ui.timer_period(kMainWindow, "时钟1"), 1000);
    EXPECT_EQ(utf8_from_gbk(p.ui.tips()[1].text), "单击能关闭软件");
}

TEST(StartUp, SeedsTheShutdownRowWithThreeMinutesAgo) {
    const struct {
        DateTime start;
        std::string hour, minute, second;
        DateTime date_box;
    } cases[] = {
        {{2016, 1, 28, 10, 5, 7}, "10", "2", "7", {2016, 1, 28, 10, 2, 7}},
        {{2016, 3, 1, 0, 1, 30}, "23", "58", "30", {2016, 2, 29, 23, 58, 30}},
        {{2017, 3, 1, 0, 1, 30}, "23", "58", "30", {2017, 2, 28, 23, 58, 30}},
        {{2016, 1, 1, 0, 0, 0}, "23", "57", "0", {2015, 12, 31, 23, 57, 0}},
    };
    for (const auto &c : cases) {
        StartedPortal p(c.start);
        p.start();
        EXPECT_EQ(p.text("编辑框1"), c.hour);
        EXPECT_EQ(p.text("编辑框2"), c.minute);
        EXPECT_EQ(p.text("编辑框3"), c.second);
        EXPECT_EQ(p.ui.date_value(kMainWindow, "日期框1"), c.date_box);
    }
}

TEST(StartUp, WithoutNetworkTheWindowShowsAndTheClockRuns) {
    StartedPortal p;
    p.start();
    EXPECT_TRUE(p.ui.window_visible(kMainWindow));
    EXPECT_FALSE(p.ui.is_open(kNoticeBoard));
    EXPECT_FALSE(p.ui.is_open(kRemoteControl));
    for (const auto &k : directory::kKeys)
        EXPECT_EQ(p.directory.value(k.key), "");
    EXPECT_EQ(p.text("time"), "");
    p.ui.advance(1000);
    EXPECT_EQ(p.text("time"), "10:05:08");
    p.ui.advance(1000);
    EXPECT_EQ(p.text("time"), "10:05:09");
}

TEST(StartUp, BothSwitchesOnDownloadThreeTimesInOrder) {
    StartedPortal p;
    p.serve(directory_page({{"智能识别", "1"}, {"解除封印", "1"}, {"施展咒语", "http://127.0.0.1/full.html"}}));
    p.start();
    std::vector<std::string> steps;
    for (const auto &e : p.journal.entries)
        if (e.rfind("tip", 0) != 0 && e.rfind("look", 0) != 0)
            steps.push_back(e);
    const std::vector<std::string> expected = {
        "create main",         "pump", "get http://127.0.0.1:8173/directory.htm",
        "create notice_board", "pump", "get http://127.0.0.1:8173/directory.htm",
        "navigate http://127.0.0.1/full.html",
        "create remote_control", "pump", "get http://127.0.0.1:8173/directory.htm"};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(p.ui.width(kMainWindow, "超文本浏览框1"), 671);
    EXPECT_EQ(p.ui.height(kMainWindow, "超文本浏览框1"), 420);
    EXPECT_FALSE(p.ui.visible(kMainWindow, "封面"));
}

TEST(StartUp, TheTickMayRunDuringALaterReadsMessagePass) {
    StartedPortal p;
    p.http.request_ms = 1500; // the first download blocks past the first tick
    p.serve(directory_page({{"智能识别", "1"}}));
    p.start();
    // The notice board's message pass let the due tick through before the seed was written.
    const auto &e = p.journal.entries;
    const auto second_pump = std::find(std::find(e.begin(), e.end(), "create notice_board"), e.end(), "pump");
    ASSERT_NE(second_pump, e.end());
    EXPECT_EQ(p.text("time"), "10:05:08");
    EXPECT_EQ(p.text("编辑框2"), "2");
}

TEST(StartUp, TheExitRoutineReleasesTheDirectoryWhenTheLastWindowIsGone) {
    StartedPortal p;
    p.serve(directory_page({{"水平扫描", "640"}}));
    p.start();
    p.ui.close(kMainWindow);
    EXPECT_TRUE(p.ui.program_ended());
    EXPECT_EQ(p.directory.value("水平扫描"), "");
    EXPECT_EQ(p.directory.switch_baseline(), "");
}

} // namespace
} // namespace tv::app
