// Date-times: serial values, the clamp, minutes arithmetic and weekdays.
#include "core/date_time.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

TEST(DateTime, SerialValues) {
    EXPECT_DOUBLE_EQ(to_serial({1899, 12, 30, 0, 0, 0}), 0.0);
    EXPECT_DOUBLE_EQ(to_serial({1900, 1, 1, 12, 0, 0}), 2.5);
    EXPECT_DOUBLE_EQ(to_serial({100, 1, 1, 0, 0, 0}), -657434.0);
    EXPECT_DOUBLE_EQ(to_serial({9999, 12, 31, 0, 0, 0}), 2958465.0);
    const DateTime t{2016, 2, 8, 23, 5, 0};
    EXPECT_EQ(from_serial(to_serial(t)), t);
}

TEST(DateTime, ClampLimitsToYears100To9999) {
    EXPECT_EQ(clamp_date(-700000), -657434);
    EXPECT_EQ(clamp_date(3000000), 2958465);
    EXPECT_EQ(clamp_date(-657434), -657434);
    EXPECT_EQ(clamp_date(2958465), 2958465);
    EXPECT_EQ(clamp_date(42000.5), 42000.5);
}

TEST(DateTime, AddMinutesCarriesAcrossMonthsAndYears) {
    EXPECT_EQ(add_minutes({2016, 3, 1, 0, 1, 30}, -3), (DateTime{2016, 2, 29, 23, 58, 30}));
    EXPECT_EQ(add_minutes({2015, 3, 1, 0, 1, 30}, -3), (DateTime{2015, 2, 28, 23, 58, 30}));
    EXPECT_EQ(add_minutes({2016, 1, 1, 0, 0, 0}, -1), (DateTime{2015, 12, 31, 23, 59, 0}));
    EXPECT_EQ(add_minutes({2016, 1, 28, 10, 5, 7}, -3), (DateTime{2016, 1, 28, 10, 2, 7}));
}

TEST(DateTime, WeekdaysStartOnSunday) {
    EXPECT_EQ(weekday({2016, 1, 28}), 5);  // Thursday
    EXPECT_EQ(weekday({2016, 2, 14}), 1);  // Sunday
    EXPECT_EQ(weekday({2026, 12, 12}), 7); // Saturday
}

TEST(DateTime, MakeRejectsOutOfRangeParts) {
    EXPECT_TRUE(make_date_time(2016, 2, 29, 23, 59, 59));
    EXPECT_FALSE(make_date_time(2015, 2, 29, 0, 0, 0));
    EXPECT_FALSE(make_date_time(2016, 1, 1, 24, 0, 0));
    EXPECT_FALSE(make_date_time(2016, 1, 1, 0, 60, 0));
    EXPECT_FALSE(make_date_time(99, 1, 1, 0, 0, 0));
}

} // namespace
} // namespace tv
