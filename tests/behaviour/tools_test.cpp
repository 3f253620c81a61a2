// The tool launchers and the lucky-number picker.
#include "app/window_definitions.h"
#include "tools/launchers.h"
#include "tools/lucky_numbers.h"

#include "../support/portal_fixture.h"

#include <gtest/gtest.h>

namespace tv::tools {
namespace {

using tv::testing::Portal;

struct Started : Portal {
    Started() : Portal(app::window_catalogue()) { ui.load_window(kMainWindow); }
};

TEST(Launchers, StopBeingOnTopThenStartTheirTool) {
    for (const auto &l : kLaunchers) {
        Started p;
        p.ui.set_always_on_top(kMainWindow, true);
        p.ui.click(kMainWindow, l.button);
        EXPECT_FALSE(p.ui.always_on_top(kMainWindow)) << l.button;
        EXPECT_EQ(p.launcher.started, std::vector<std::string>{std::string(l.command_line)});
    }
}

TEST(Launchers, RepeatedClicksStartRepeatedlyAndFailuresShowNothing) {
    Started p;
    p.launcher.result = false;
    p.ui.click(kMainWindow, "按钮19");
    p.ui.click(kMainWindow, "按钮19");
    EXPECT_EQ(p.launcher.started, (std::vector<std::string>{"calc", "calc"}));
    EXPECT_FALSE(p.ui.always_on_top(kMainWindow));
}

TEST(Launchers, SettingsLeaveAlwaysOnTopAlone) {
    Started p;
    p.ui.set_always_on_top(kMainWindow, true);
    p.ui.click(kMainWindow, "按钮29");
    EXPECT_TRUE(p.ui.always_on_top(kMainWindow));
    EXPECT_EQ(p.launcher.started, std::vector<std::string>{"<settings>"});
}

TEST(LuckyNumbers, GeneratorSequences) {
    const struct {
        std::uint32_t state;
        std::array<int, 7> outputs;
        std::array<int, 7> digits;
    } cases[] = {
        {1, {41, 18467, 6334, 26500, 19169, 15724, 11478}, {1, 7, 4, 0, 9, 4, 8}},
        {0, {38, 7719, 21238, 2437, 8855, 11797, 8365}, {8, 9, 8, 7, 5, 7, 5}},
    };
    for (const auto &c : cases) {
        std::uint32_t s = c.state;
        for (int expected : c.outputs)
            EXPECT_EQ(next_random(s), expected);
        s = c.state;
        EXPECT_EQ(draw_digits(s), c.digits);
    }
}

TEST(LuckyNumbers, SeedingInTheSameMillisecondDiffers) {
    LuckyState lucky;
    seed_from_uptime(lucky, 5000);
    EXPECT_EQ(lucky.generator, 5000u);
    EXPECT_EQ(lucky.accumulator, 236u);
    seed_from_uptime(lucky, 5000);
    EXPECT_EQ(lucky.generator, 5236u);
    EXPECT_EQ(lucky.accumulator, 452u);
    LuckyState wrap{0, 0xFFFFFFF0u};
    seed_from_uptime(wrap, 0x20);
    EXPECT_EQ(wrap.generator, 0x10u);
}

TEST(LuckyNumbers, APressFillsTheSevenBoxesInOrder) {
    Started p; // the virtual clock's uptime starts at 5000 ms
    for (auto box : kDigitBoxes)
        EXPECT_EQ(p.ui.text(kMainWindow, box), "");
    p.ui.set_text(kMainWindow, "编辑框4", "typed");
    p.ui.click(kMainWindow, "按钮31");
    std::uint32_t s = 5000;
    const auto digits = draw_digits(s);
    for (std::size_t i = 0; i < kDigitBoxes.size(); ++i)
        EXPECT_EQ(p.ui.text(kMainWindow, kDigitBoxes[i]), std::string(1, char('0' + digits[i])));
    p.ui.click(kMainWindow, "按钮31"); // same millisecond: different seed
    EXPECT_EQ(p.ctx.lucky.accumulator, 452u);
}

} // namespace
} // namespace tv::tools
