#include "calendar/panel_text.h"

#include "core/gbk_convert.h"

#include <gtest/gtest.h>

#include <vector>

namespace tv::calendar {
namespace {

std::vector<std::string> utf8_lines(const std::string &gbk_caption) {
    const std::string text = utf8_from_gbk(gbk_caption);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 2;
    }
}

TEST(ClockCaption, TwoDigitsEach) {
    const struct {
        DateTime t;
        std::string_view caption;
    } cases[] = {
        {{2016, 1, 28, 7, 5, 9}, "07:05:09"},    {{2016, 1, 28, 0, 0, 0}, "00:00:00"},
        {{2016, 1, 28, 23, 59, 59}, "23:59:59"}, {{2016, 1, 28, 9, 5, 3}, "09:05:03"},
        {{2016, 1, 28, 15, 10, 45}, "15:10:45"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(clock_caption(c.t), c.caption);
}

TEST(CalendarCaption, SevenLines) {
    const std::string main_text = gbk(kMainNoFestivalText);
    const std::string remote_text = gbk(kRemoteNoFestivalText);
    const struct {
        DateTime t;
        const std::string &no_festival;
        std::vector<std::string> lines;
    } cases[] = {
        {{2016, 1, 28, 12, 0, 0},
         main_text,
         {"★★2016年1月28日★★", "", "农历羊年腊月十九", "", "星期四", "", "www.tvportal.example"}},
        {{2016, 1, 28, 12, 0, 0},
         remote_text,
         {"★★2016年1月28日★★", "", "农历羊年腊月十九", "", "星期四", "", "······"}},
        {{2016, 2, 14, 8, 0, 0}, main_text, {"★★2016年2月14日★★", "", "农历猴年正月初七", "", "星期日", "", "情人节"}},
        {{2016, 2, 14, 8, 0, 0},
         remote_text,
         {"★★2016年2月14日★★", "", "农历猴年正月初七", "", "星期日", "", "情人节"}},
        {{2016, 2, 5, 12, 0, 0},
         main_text,
         {"★★2016年2月5日★★", "", "农历猴年腊月廿七", "", "星期五", "", "www.tvportal.example"}},
        {{2016, 2, 3, 12, 0, 0},
         main_text,
         {"★★2016年2月3日★★", "", "农历羊年腊月廿五", "", "星期三", "", "www.tvportal.example"}},
        {{2016, 2, 8, 12, 0, 0},
         main_text,
         {"★★2016年2月8日★★", "", "农历猴年正月初一", "", "星期一", "", "www.tvportal.example"}},
        {{2016, 2, 29, 12, 0, 0},
         remote_text,
         {"★★2016年2月29日★★", "", "农历猴年正月廿二", "", "星期一", "", "······"}},
        {{2020, 5, 19, 0, 0, 0},
         main_text,
         {"★★2020年5月19日★★", "", "农历鼠年四月廿七", "", "星期二", "", "明天：网络情人节"}},
        {{2020, 5, 20, 0, 0, 0},
         main_text,
         {"★★2020年5月20日★★", "", "农历鼠年四月廿八", "", "星期三", "", "全国学生营养日 世界计量日"}},
        {{2020, 6, 20, 0, 0, 0},
         main_text,
         {"★★2020年6月20日★★", "", "农历鼠年闰四月廿九", "", "星期六", "", "世界难民日"}},
        {{2033, 12, 31, 23, 59, 59},
         main_text,
         {"★★2033年12月31日★★", "", "农历牛年闰冬月初十", "", "星期六", "", "全年最后一天"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.t.year) + "-" + std::to_string(c.t.month) + "-" + std::to_string(c.t.day));
        EXPECT_EQ(utf8_lines(calendar_caption(c.t, c.no_festival)), c.lines);
    }
}

TEST(CalendarCaption, IsGbkWithCrLfAndTheRemoteDotsAsA1A4) {
    const std::string caption = calendar_caption({2016, 1, 28, 12, 0, 0}, gbk(kRemoteNoFestivalText));
    EXPECT_EQ(caption.substr(0, 4), "\xA1\xEF\xA1\xEF"); // ★★
    const std::string dots = "\r\n\r\n\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4\xA1\xA4";
    ASSERT_GE(caption.size(), dots.size());
    EXPECT_EQ(caption.substr(caption.size() - dots.size()), dots);
}

TEST(CalendarCaption, AnEmptyNoFestivalTextLeavesTheLastLineEmpty) {
    EXPECT_EQ(utf8_lines(calendar_caption({2016, 1, 28}, "")).back(), "");
}

} // namespace
} // namespace tv::calendar
