#include "calendar/shutdown_moment.h"

#include <gtest/gtest.h>

namespace tv::calendar {
namespace {

TEST(ShutdownMoment, FieldConversion) {
    const struct {
        std::string_view hour, minute, second;
        std::optional<DateTime> moment; // on 2016-02-08
    } cases[] = {
        {"7", "5", "", DateTime{2016, 2, 8, 7, 5, 0}},
        {"23", "05", "0", DateTime{2016, 2, 8, 23, 5, 0}},
        {"", "", "", DateTime{2016, 2, 8, 0, 0, 0}},
        {"00", "59", "59", DateTime{2016, 2, 8, 0, 59, 59}},
        {"24", "0", "0", std::nullopt},
        {"0", "60", "0", std::nullopt},
        {"0", "0", "60", std::nullopt},
        {"abc", "0", "0", std::nullopt},
        {"0", "123", "0", std::nullopt},
        {"0", "0", "005", std::nullopt},
        {" 5", "0", "0", std::nullopt},
        {"5 ", "0", "0", std::nullopt},
        {"+5", "0", "0", std::nullopt},
        {"-1", "0", "0", std::nullopt},
        {"1a", "0", "0", std::nullopt},
        {"\xA3\xB5", "0", "0", std::nullopt}, // full-width digit 5 in GBK
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("'" + std::string(c.hour) + "' '" + std::string(c.minute) + "' '" + std::string(c.second) + "'");
        EXPECT_EQ(shutdown_moment(2016, 2, 8, c.hour, c.minute, c.second), c.moment);
    }
}

TEST(ShutdownMoment, TakesTheDateFromTheDateBox) {
    EXPECT_EQ(shutdown_moment(2016, 2, 29, "1", "2", "3"), (DateTime{2016, 2, 29, 1, 2, 3}));
    EXPECT_EQ(shutdown_moment(2015, 2, 29, "1", "2", "3"), std::nullopt);
}

} // namespace
} // namespace tv::calendar
