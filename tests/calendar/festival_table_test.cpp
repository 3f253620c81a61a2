#include "calendar/festival_table.h"

#include "core/gbk_convert.h"

#include <gtest/gtest.h>

namespace tv::calendar {
namespace {

TEST(FestivalTable, Lookup) {
    const struct {
        int month;
        int day;
        std::optional<std::string_view> text; // UTF-8 with its marker
    } cases[] = {
        {1, 1, "2元旦"},
        {12, 31, "2全年最后一天"},
        {2, 14, "2情人节"},
        {5, 19, "2明天：网络情人节"}, // eve rows
        {5, 20, "2全国学生营养日 世界计量日"},
        {6, 7, "2明天：世界海洋日"},
        {6, 30, "2明天：香港回归纪念日"},
        {6, 9, "2彩色电视（1946.6.8）"},
        {9, 18, "2九·一八事变纪念日"},
        {3, 21, "2世界森林日 儿歌日 睡眠日"},
        {2, 29, std::nullopt},
        {1, 28, std::nullopt},
        {3, 2, std::nullopt},
        {0, 1, std::nullopt},
        {13, 1, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day));
        const auto text = festival_text(c.month, c.day);
        ASSERT_EQ(text.has_value(), c.text.has_value());
        if (text) {
            EXPECT_EQ(utf8_from_gbk(*text), *c.text);
        }
    }
}

TEST(FestivalTable, TextsAreGbkWithTheirOwnBytes) {
    // Full-width colon A3 BA, full-width parentheses A3 A8 / A3 A9, middle dot A1 A4.
    EXPECT_EQ(festival_text(5, 19)->substr(0, 7), "2\xC3\xF7\xCC\xEC\xA3\xBA");
    EXPECT_EQ(festival_text(6, 9)->substr(9, 2), "\xA3\xA8");
    EXPECT_EQ(festival_text(9, 18)->substr(3, 2), "\xA1\xA4");
}

TEST(FestivalTable, PrivateBirthdayRowsHaveNeutralTexts) {
    for (const auto &[month, day] : {std::pair{6, 8}, std::pair{12, 19}}) {
        const auto text = festival_text(month, day);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->front(), '2');
        EXPECT_GT(text->size(), 1u);
        EXPECT_EQ(text->find('?'), std::string::npos); // every character has a GBK form
    }
}

TEST(FestivalTable, EveryTextConvertsToGbkWithoutLoss) {
    for (const FestivalRow &row : festival_rows())
        EXPECT_EQ(utf8_from_gbk(*festival_text(row.month, row.day)), row.text) << row.month << "/" << row.day;
}

} // namespace
} // namespace tv::calendar
