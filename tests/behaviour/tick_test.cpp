// The one-second ticks: clock and calendar captions, and the scheduled power-off.
#include "app/window_definitions.h"
#include "calendar/tick.h"

#include "../support/portal_fixture.h"

#include <gtest/gtest.h>

namespace tv::calendar {
namespace {

using tv::testing::directory_page;
using tv::testing::Portal;

std::vector<std::string> lines(const std::string &text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const auto at = text.find("\r\n", from);
        out.push_back(text.substr(from, at - from));
        if (at == std::string::npos)
            return out;
        from = at + 2;
    }
}

struct Ticking : Portal {
    explicit Ticking(DateTime start, bool bar = false) : Portal(app::window_catalogue(), start) {
        if (bar)
            serve(directory_page({{"解除封印", "1"}}));
        ui.load_window(kMainWindow);
    }
    std::string text(std::string_view window, std::string_view control) {
        return utf8_from_gbk(ui.text(window, control));
    }
    void set_row(DateTime date, std::string h, std::string m, std::string s) {
        ui.set_date_value(kMainWindow, "日期框1", date);
        ui.set_text(kMainWindow, "编辑框1", h);
        ui.set_text(kMainWindow, "编辑框2", m);
        ui.set_text(kMainWindow, "编辑框3", s);
    }
};

TEST(Tick, CaptionsOfBothWindows) {
    const struct {
        DateTime moment; // one second before the tick
        std::string_view window;
        std::vector<std::string> expected; // lines 1 to 7
    } cases[] = {
        {{2016, 1, 28, 9, 5, 2}, kMainWindow,
         {"★★2016年1月28日★★", "", "农历羊年腊月十九", "", "星期四", "", "www.tvportal.example"}},
        {{2016, 1, 28, 9, 5, 2}, kRemoteControl,
         {"★★2016年1月28日★★", "", "农历羊年腊月十九", "", "星期四", "", "······"}},
        {{2016, 2, 14, 23, 59, 59}, kRemoteControl,
         {"★★2016年2月15日★★", "", "农历猴年正月初八", "", "星期一", "", "······"}},
        {{2016, 2, 13, 23, 59, 59}, kMainWindow,
         {"★★2016年2月14日★★", "", "农历猴年正月初七", "", "星期日", "", "情人节"}},
        {{2016, 5, 18, 23, 59, 59}, kMainWindow,
         {"★★2016年5月19日★★", "", "农历猴年四月十三", "", "星期四", "", "明天：网络情人节"}},
    };
    for (const auto &c : cases) {
        Ticking p(c.moment, c.window == kRemoteControl);
        p.ui.advance(1000);
        EXPECT_EQ(lines(p.text(c.window, "日期")), c.expected) << c.window;
        p.ui.advance(1000);
        EXPECT_EQ(lines(p.text(c.window, "日期")).size(), 7u); // replaced, never grown
    }
    Ticking p({2016, 1, 28, 9, 5, 2});
    p.ui.advance(1000);
    EXPECT_EQ(p.text(kMainWindow, "time"), "09:05:03");
}

TEST(Tick, PowerOffFiresOnceAtTheSetSecond) {
    Ticking p({2016, 1, 28, 10, 5, 0});
    p.set_row({2016, 1, 28}, "10", "5", "10");
    p.ui.advance(9'000);
    EXPECT_EQ(p.power.requests, 0);
    p.ui.advance(1'000);
    EXPECT_EQ(p.power.requests, 1);
    p.ui.advance(60'000);
    EXPECT_EQ(p.power.requests, 1);
}

TEST(Tick, PowerOffNeverForPastInvalidOrMissedMoments) {
    const struct {
        const char *name;
        DateTime date;
        std::string h, m, s;
        std::int64_t blocked_ms; // the thread is busy across the set second
    } cases[] = {
        {"past", {2016, 1, 28}, "10", "4", "59", 0},
        {"yesterday", {2016, 1, 27}, "10", "5", "5", 0},
        {"hour 24", {2016, 1, 28}, "24", "5", "5", 0},
        {"minute 60", {2016, 1, 28}, "10", "60", "5", 0},
        {"letters", {2016, 1, 28}, "10", "abc", "5", 0},
        {"three digits", {2016, 1, 28}, "10", "005", "5", 0},
        {"missed second", {2016, 1, 28}, "10", "5", "5", 8'000},
    };
    for (const auto &c : cases) {
        Ticking p({2016, 1, 28, 10, 5, 0});
        p.set_row(c.date, c.h, c.m, c.s);
        p.ui.advance(2'500);
        p.clock.advance_ms(c.blocked_ms);
        p.ui.advance(60'000);
        EXPECT_EQ(p.power.requests, 0) << c.name;
    }
}

TEST(Tick, EmptySecondsMeanZero) {
    Ticking p({2016, 1, 28, 7, 4, 58});
    p.set_row({2016, 1, 28}, "7", "5", "");
    p.ui.advance(2'000);
    EXPECT_EQ(p.power.requests, 1);
}

TEST(Tick, FocusOnAFieldChangesNothing) {
    Ticking p({2016, 1, 28, 10, 5, 0});
    const auto before = p.journal.entries.size();
    p.ui.focus(kMainWindow, "编辑框1");
    EXPECT_EQ(p.journal.entries.size(), before);
}

} // namespace
} // namespace tv::calendar
