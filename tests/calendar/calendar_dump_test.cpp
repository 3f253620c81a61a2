#include "calendar_dump.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tv::calendar_dump {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result run_with(std::vector<std::string_view> args, const std::string &input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = run(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(CalendarDump, DaysFromToAtNoon) {
    const Result r = run_with({"2016-02-13", "2016-02-14"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2016-02-13\t★★2016年2月13日★★\t农历猴年正月初六\t星期六\twww.tvportal.example\n"
                     "2016-02-14\t★★2016年2月14日★★\t农历猴年正月初七\t星期日\t情人节\n");
    EXPECT_EQ(r.err, "");
}

TEST(CalendarDump, MomentsFromStandardInput) {
    const Result r = run_with({"--moments"}, "2016-02-04 17:45:00\r\n\n2016-02-04 17:47:00\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2016-02-04 17:45:00\t★★2016年2月4日★★\t农历羊年腊月廿六\t星期四\twww.tvportal.example\n"
                     "2016-02-04 17:47:00\t★★2016年2月4日★★\t农历猴年腊月廿六\t星期四\twww.tvportal.example\n");
}

TEST(CalendarDump, BadInputExitsWithTwo) {
    const struct {
        std::vector<std::string_view> args;
        std::string input;
    } cases[] = {
        {{}, ""},
        {{"2016-02-13"}, ""},
        {{"2016-02-13", "2016-02-14", "x"}, ""},
        {{"2016-2-13", "2016-02-14"}, ""},
        {{"2016-02-13", "2016-02-30"}, ""},
        {{"2016-02-14", "2016-02-13"}, ""},
        {{"0099-12-31", "2016-02-13"}, ""},
        {{"--moments"}, "2016-02-04 17:45:00\n2016-02-04 24:00:00\n"},
        {{"--moments"}, "2016-02-04\n"},
    };
    for (const auto &c : cases) {
        const Result r = run_with(c.args, c.input);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(c.args) << c.input;
        EXPECT_NE(r.err, "");
    }
}

TEST(CalendarDump, Parsing) {
    EXPECT_EQ(parse_date("2016-02-29"), (DateTime{2016, 2, 29, 12, 0, 0}));
    EXPECT_EQ(parse_date("2015-02-29"), std::nullopt);
    EXPECT_EQ(parse_date("2016-02-29 "), std::nullopt);
    EXPECT_EQ(parse_moment("2016-02-29 23:59:59"), (DateTime{2016, 2, 29, 23, 59, 59}));
    EXPECT_EQ(parse_moment("2016-02-29 23:60:00"), std::nullopt);
    EXPECT_EQ(parse_moment("2016-02-29T23:00:00"), std::nullopt);
}

} // namespace
} // namespace tv::calendar_dump
