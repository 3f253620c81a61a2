#include "calendar/lunar_format.h"

#include "core/gbk_convert.h"

#include <gtest/gtest.h>

namespace tv::calendar {
namespace {

std::string utf8_format(const DateTime &t, std::string_view utf8_pattern) {
    return utf8_from_gbk(format_lunar(t, gbk(utf8_pattern)));
}

TEST(LunarFormat, MonthNames) {
    const struct {
        int month;
        bool leap;
        std::string_view name;
    } cases[] = {
        {1, false, "正月"},  {2, false, "二月"},  {10, false, "十月"},  {11, false, "冬月"},
        {12, false, "腊月"}, {4, true, "闰四月"}, {11, true, "闰冬月"}, {13, false, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(utf8_from_gbk(lunar_month_name(c.month, c.leap)), c.name) << c.month;
}

TEST(LunarFormat, DayNames) {
    const struct {
        int day;
        std::string_view name;
    } cases[] = {
        {1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {19, "十九"},
        {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {31, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(utf8_from_gbk(lunar_day_name(c.day)), c.name) << c.day;
}

TEST(LunarFormat, Placeholders) {
    const DateTime t{2016, 2, 5, 10, 0, 0}; // 猴年腊月廿七 (after the Start of Spring, before New Year)
    const struct {
        std::string_view pattern;
        std::string_view expected;
    } cases[] = {
        {"%y-%m-%d", "2016-2-5"},
        {"%S年%M%D", "猴年腊月廿七"},
        {"%d%D%d%D", "5廿七5廿七"},                   // every occurrence
        {"%Y %s %x %%y 100%", "%Y %s %x %2016 100%"}, // not placeholders, or a lone '%'
        {"", ""},
        {"★%y★", "★2016★"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(utf8_format(t, c.pattern), c.expected) << c.pattern;
}

TEST(LunarFormat, ScansTheGbkPatternByCharacter) {
    const DateTime t{2016, 2, 14};
    // A GBK character whose trail byte is 'y' (0x79) followed by 'y': no placeholder there.
    const std::string pattern = std::string("\x81") + "y" + "%y";
    EXPECT_EQ(format_lunar(t, pattern), std::string("\x81y2016"));
    // A lead byte at the end, or before a byte that cannot trail, is copied on its own.
    EXPECT_EQ(format_lunar(t, std::string("\x81%d")), std::string("\x81") + "14");
    EXPECT_EQ(format_lunar(t, std::string("%d\x81")), std::string("14\x81"));
}

TEST(LunarFormat, OutsideTheLunarRangeTheLunarPlaceholdersAreEmpty) {
    EXPECT_EQ(utf8_format({1901, 2, 18}, "%y年%S年%M%D|"), "1901年牛年|");
    EXPECT_EQ(utf8_format({2049, 1, 1}, "%S%M%D|"), "龙|");
}

} // namespace
} // namespace tv::calendar
