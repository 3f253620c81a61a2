#include "calendar/lunar.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tv::calendar {
namespace {

// One line of tests/data/lunar_months.txt: a lunar month and the Gregorian day it starts on.
struct MonthStart {
    std::int64_t day; // days_from_civil
    LunarDate month;  // day field unused
};

std::vector<std::string> data_lines(const std::string &file) {
    std::ifstream in(std::string(TV_CALENDAR_TEST_DATA) + "/" + file);
    EXPECT_TRUE(in) << "cannot open " << file;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

std::int64_t days_of(const DateTime &t) {
    return days_from_civil(t.year, t.month, t.day);
}

DateTime parse_date_time(const std::string &text) {
    DateTime t;
    char sep;
    std::istringstream in(text);
    in >> t.year >> sep >> t.month >> sep >> t.day;
    if (in >> t.hour >> sep >> t.minute >> sep >> t.second)
        return t;
    return DateTime{t.year, t.month, t.day};
}

std::vector<MonthStart> reference_months() {
    std::vector<MonthStart> months;
    for (const std::string &line : data_lines("lunar_months.txt")) {
        std::istringstream in(line);
        std::string date;
        LunarDate month;
        int leap = 0;
        in >> date >> month.year >> month.month >> leap;
        month.leap = leap != 0;
        months.push_back({days_of(parse_date_time(date)), month});
    }
    return months;
}

std::string show(const std::optional<LunarDate> &d) {
    if (!d)
        return "none";
    return std::to_string(d->year) + "/" + (d->leap ? "leap " : "") + std::to_string(d->month) + "/" +
           std::to_string(d->day);
}

TEST(LunarDate, EveryDayOfTheRangeMatchesTheReference) {
    const std::vector<MonthStart> months = reference_months();
    ASSERT_GE(months.size(), 2u);
    const std::int64_t first = days_of(kFirstLunarDate);
    const std::int64_t last = days_of(kLastLunarDate);
    ASSERT_EQ(months.front().day, first);
    ASSERT_GT(months.back().day, last);

    std::vector<std::string> mismatches;
    for (std::size_t i = 0; i + 1 < months.size(); ++i) {
        for (std::int64_t day = months[i].day; day < months[i + 1].day && day <= last; ++day) {
            LunarDate expected = months[i].month;
            expected.day = static_cast<int>(day - months[i].day) + 1;
            DateTime g;
            civil_from_days(day, g.year, g.month, g.day);
            const auto actual = lunar_date(g.year, g.month, g.day);
            if (actual != expected && mismatches.size() < 20)
                mismatches.push_back(std::to_string(g.year) + "-" + std::to_string(g.month) + "-" +
                                     std::to_string(g.day) + ": " + show(actual) + ", expected " + show(expected));
        }
    }
    EXPECT_TRUE(mismatches.empty()) << ::testing::PrintToString(mismatches);
}

TEST(LunarDate, KnownDates) {
    struct Case {
        DateTime gregorian;
        LunarDate lunar;
    };
    const Case cases[] = {
        {{1901, 2, 19}, {1901, 1, false, 1}},    // first day covered
        {{1906, 4, 23}, {1906, 4, false, 1}},    // new moon 23:52 Beijing local mean time
        {{2016, 1, 28}, {2015, 12, false, 19}},  // 腊月十九
        {{2016, 2, 3}, {2015, 12, false, 25}},   //
        {{2016, 2, 5}, {2015, 12, false, 27}},   //
        {{2016, 2, 8}, {2016, 1, false, 1}},     // 正月初一
        {{2016, 2, 14}, {2016, 1, false, 7}},    //
        {{2020, 5, 22}, {2020, 4, false, 30}},   // last day of month 4, day 三十
        {{2020, 5, 23}, {2020, 4, true, 1}},     // 闰四月 begins
        {{2020, 6, 21}, {2020, 5, false, 1}},    // month after the leap month
        {{2033, 8, 25}, {2033, 8, false, 1}},    // no leap month 7 in 2033
        {{2033, 12, 22}, {2033, 11, true, 1}},   // 闰冬月
        {{2034, 1, 20}, {2033, 12, false, 1}},   // 腊月 after it
        {{2048, 12, 31}, {2048, 11, false, 27}}, // last day covered
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.gregorian.year) + "-" + std::to_string(c.gregorian.month) + "-" +
                     std::to_string(c.gregorian.day));
        EXPECT_EQ(lunar_date(c.gregorian.year, c.gregorian.month, c.gregorian.day), c.lunar);
    }
}

TEST(LunarDate, OutsideTheRangeOrImpossibleDatesHaveNone) {
    const DateTime dates[] = {{1901, 2, 18}, {2049, 1, 1}, {1, 1, 1}, {2016, 2, 30}, {2016, 13, 1}, {2016, 0, 1}};
    for (const DateTime &d : dates)
        EXPECT_EQ(lunar_date(d.year, d.month, d.day), std::nullopt) << d.year << "-" << d.month << "-" << d.day;
}

TEST(StartOfSpring, EveryYearWithinAMinuteOfTheReference) {
    const std::vector<std::string> lines = data_lines("lichun_moments.txt");
    ASSERT_EQ(lines.size(), 2049u - 1901u + 1u);
    for (const std::string &line : lines) {
        const DateTime expected = parse_date_time(line);
        const auto actual = start_of_spring(expected.year);
        ASSERT_TRUE(actual) << line;
        EXPECT_LE(std::abs(to_epoch_seconds(*actual) - to_epoch_seconds(expected)), 60) << line;
    }
    EXPECT_EQ(start_of_spring(1900), std::nullopt);
    EXPECT_EQ(start_of_spring(2050), std::nullopt);
}

TEST(ZodiacAnimal, ChangesAtTheMomentOfTheStartOfSpring) {
    // Animal indices: 0 rat .. 7 goat, 8 monkey .. 11 pig.
    for (const int year : {1901, 1929, 2016, 2033, 2049}) {
        const DateTime spring = *start_of_spring(year);
        const DateTime before = from_epoch_seconds(to_epoch_seconds(spring) - 1);
        const int animal = ((year - 4) % 12 + 12) % 12;
        EXPECT_EQ(zodiac_animal(spring), animal) << year;
        EXPECT_EQ(zodiac_animal(before), (animal + 11) % 12) << year;
    }
    EXPECT_EQ(zodiac_animal({1901, 2, 5}), 1);   // 牛
    EXPECT_EQ(zodiac_animal({2016, 1, 1}), 7);   // 羊: before the Start of Spring
    EXPECT_EQ(zodiac_animal({2016, 12, 31}), 8); // 猴
}

TEST(ZodiacAnimal, OutsideTheTableUsesTheFourthOfFebruary) {
    EXPECT_EQ(zodiac_animal({1900, 2, 3, 23, 59, 59}), 11); // 1899: pig
    EXPECT_EQ(zodiac_animal({1900, 2, 4}), 0);              // 1900: rat
    EXPECT_EQ(zodiac_animal({2050, 2, 4}), 6);              // 2050: horse
    EXPECT_EQ(zodiac_animal({100, 1, 1}), 11);              // 99: pig
}

} // namespace
} // namespace tv::calendar
