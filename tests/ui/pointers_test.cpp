// Hot spots of the custom pointers, from the list beside their pictures or the built-in values.
#include "ui/gtk/pointers.h"

#include <gtest/gtest.h>

namespace {

using tv::ui::Pointer;
using tv::ui::gtk::find_hot_spot;
using tv::ui::gtk::HotSpot;

TEST(Pointers, BuiltInHotSpots) {
    EXPECT_EQ(tv::ui::gtk::default_hot_spot(Pointer::PinkArrow), (HotSpot{8, 3}));
    EXPECT_EQ(tv::ui::gtk::default_hot_spot(Pointer::BlueArrow), (HotSpot{9, 5}));
    EXPECT_EQ(tv::ui::gtk::default_hot_spot(Pointer::PinkSquare), (HotSpot{14, 14}));
    EXPECT_EQ(tv::ui::gtk::pointer_file_name(Pointer::Arrow), "");
}

TEST(Pointers, FindsHotSpotsInTheList) {
    constexpr std::string_view list = "# pointer  x,y\n"
                                      "pink-arrow 8,3\n"
                                      "blue-arrow.png: 9 5   # with a comment\r\n"
                                      "pink-square=14,14\n"
                                      "broken 1\n";
    struct Case {
        std::string_view name;
        std::optional<HotSpot> expected;
    };
    const Case cases[] = {
        {"pink-arrow", HotSpot{8, 3}}, {"blue-arrow", HotSpot{9, 5}}, {"pink-square", HotSpot{14, 14}},
        {"broken", std::nullopt},      {"pink", std::nullopt},        {"", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(find_hot_spot(list, c.name), c.expected) << c.name;
}

} // namespace
