// The date box's long date format and reading it back.
#include "ui/gtk/date_text.h"

#include <gtest/gtest.h>

namespace {

using tv::DateTime;
using tv::ui::gtk::long_date_text;
using tv::ui::gtk::parse_long_date;

TEST(DateText, LongDateHasNoLeadingZeros) {
    EXPECT_EQ(long_date_text(DateTime{2016, 1, 28, 10, 2, 7}), "2016年1月28日");
    EXPECT_EQ(long_date_text(DateTime{2016, 12, 5, 0, 0, 0}), "2016年12月5日");
    EXPECT_EQ(long_date_text(DateTime{100, 1, 1, 0, 0, 0}), "100年1月1日");
}

TEST(DateText, ParsingKeepsTheTimeOfDay) {
    const DateTime base{2016, 1, 28, 23, 58, 30};
    struct Case {
        const char *text;
        std::optional<DateTime> expected;
    };
    const Case cases[] = {
        {"2016年2月29日", DateTime{2016, 2, 29, 23, 58, 30}},
        {" 2017 年 3 月 1 日 ", DateTime{2017, 3, 1, 23, 58, 30}},
        {"2015年2月29日", std::nullopt},
        {"2016年13月1日", std::nullopt},
        {"99年1月1日", std::nullopt},
        {"2016年1月", std::nullopt},
        {"2016-01-28", std::nullopt},
        {"2016年1月28日x", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parse_long_date(c.text, base), c.expected) << c.text;
}

} // namespace
