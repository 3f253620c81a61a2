// The same property and lifecycle cases against both toolkit implementations: the in-memory
// one that behaviour tests use, and the GTK one the portal runs on (under a private Xvfb).
#include "core/gbk_convert.h"
#include "platform/fakes/fakes.h"
#include "ui/gtk/gtk_ui.h"
#include "ui/memory/memory_ui.h"
#include "xvfb_display.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <glibmm/main.h>
#include <gtest/gtest.h>
#include <gtkmm/button.h>
#include <gtkmm/menu.h>
#include <gtkmm/menuitem.h>
#include <gtkmm/window.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// What the test handlers work with.
struct tv::Context {
    tv::ui::Ui *ui = nullptr;
    std::vector<std::string> log;
};

namespace {

using namespace tv::ui;
using tv::Context;

void record_created(Context &ctx, const Event &e) {
    ctx.log.push_back("created " + std::string(e.window));
}
void record_tick(Context &ctx, const Event &e) {
    ctx.log.push_back("tick " + std::string(e.window));
}
void record_choice(Context &ctx, const Event &e) {
    ctx.log.push_back("chose " + std::string(e.item));
}
void close_own_window(Context &ctx, const Event &e) {
    ctx.ui->request_destroy(e.window);
    ctx.log.push_back(ctx.ui->is_open(e.window) ? "open inside handler" : "gone inside handler");
}

// alpha: a browser under a cover label, a transparent label, a button, an edit box, a date box,
// a stopped timer and a menu. beta: a label and a running timer.
constexpr std::array kAlphaControls = {
    ControlDef{.name = "web", .kind = ControlKind::Browser, .left = 0, .top = 0, .width = 100, .height = 80},
    ControlDef{.name = "cover",
               .kind = ControlKind::Label,
               .left = 0,
               .top = 0,
               .width = 100,
               .height = 80,
               .frame = 3,
               .back_color = rgb(0x000000)},
    ControlDef{.name = "title",
               .kind = ControlKind::TransparentLabel,
               .left = 110,
               .top = 0,
               .width = 80,
               .height = 20,
               .caption = "频道"},
    ControlDef{.name = "go",
               .kind = ControlKind::Button,
               .left = 110,
               .top = 30,
               .width = 64,
               .height = 23,
               .caption = "关闭"},
    ControlDef{.name = "field",
               .kind = ControlKind::EditBox,
               .left = 110,
               .top = 60,
               .width = 25,
               .height = 24,
               .caption = "&",
               .visible = false,
               .frame = 1},
    ControlDef{.name = "day", .kind = ControlKind::DateBox, .left = 0, .top = 90, .width = 152, .height = 24},
    ControlDef{.name = "tick", .kind = ControlKind::Timer, .left = 300, .top = 0, .width = 32, .height = 32},
    ControlDef{.name = "tips", .kind = ControlKind::BalloonTips, .left = 300, .top = 40, .width = 32, .height = 32},
};
constexpr std::array<std::string_view, 6> kAlphaStacking = {"field", "cover", "title", "go", "day", "web"};
constexpr std::array kAlphaMenu = {
    MenuItemDef{"more", "一", record_choice},
    MenuItemDef{"more", "二", record_choice},
    MenuItemDef{"other", "三", record_choice},
};
constexpr std::array kAlphaBindings = {
    Binding{"", EventKind::Created, record_created},
    Binding{"go", EventKind::Clicked, close_own_window},
    Binding{"tick", EventKind::Periodic, record_tick},
};
constexpr WindowDef kAlpha{.id = "alpha",
                           .caption = "甲",
                           .width = 200,
                           .height = 120,
                           .background = rgb(0x000080),
                           .minimize_allowed = true,
                           .drag_anywhere = true,
                           .esc_closes = true,
                           .controls = kAlphaControls,
                           .stacking = kAlphaStacking,
                           .menu = kAlphaMenu,
                           .bindings = kAlphaBindings};

constexpr std::array kBetaControls = {
    ControlDef{.name = "count",
               .kind = ControlKind::Label,
               .left = 10,
               .top = 10,
               .width = 40,
               .height = 17,
               .caption = "100"},
    ControlDef{.name = "tick",
               .kind = ControlKind::Timer,
               .left = 0,
               .top = 0,
               .width = 32,
               .height = 32,
               .timer_period_ms = 20},
};
constexpr std::array<std::string_view, 1> kBetaStacking = {"count"};
constexpr std::array kBetaBindings = {
    Binding{"", EventKind::Created, record_created},
    Binding{"tick", EventKind::Periodic, record_tick},
};
constexpr WindowDef kBeta{.id = "beta",
                          .caption = "乙",
                          .width = 150,
                          .height = 60,
                          .always_on_top = true,
                          .shape = Shape::RoundedRectangle,
                          .controls = kBetaControls,
                          .stacking = kBetaStacking,
                          .bindings = kBetaBindings};

constexpr std::array<const WindowDef *, 2> kCatalogue = {&kAlpha, &kBeta};

// The reference model of stacking: the first visible control of the stacking order whose
// current rectangle holds the point.
std::string stacked_control_at(const Ui &ui, const WindowDef &def, int x, int y) {
    for (std::string_view name : def.stacking) {
        const ControlDef *c = find_control(def, name);
        if (!ui.visible(def.id, name))
            continue;
        if (x >= c->left && y >= c->top && x < c->left + ui.width(def.id, name) && y < c->top + ui.height(def.id, name))
            return std::string(name);
    }
    return {};
}

// How a test drives one implementation: user input, waiting, and asking what lies at a point.
class Driver {
public:
    virtual ~Driver() = default;
    virtual Ui &ui() = 0;
    virtual void click(std::string_view window, std::string_view control) = 0;
    virtual void close_by_user(std::string_view window) = 0;
    // Lets time pass until the condition holds; false when it did not within a few seconds.
    virtual bool wait_until(const std::function<bool()> &condition) = 0;
    // Lets the given time pass while messages flow.
    virtual void let_pass(int ms) = 0;
    virtual std::string control_at(std::string_view window, int x, int y) = 0;
    // What the next popup does: choose the item with this caption, or dismiss it (empty).
    virtual void answer_next_popup(std::string item) = 0;
};

class MemoryDriver : public Driver {
public:
    MemoryDriver() : ui_(kCatalogue, clock_, journal_) {}
    Ui &ui() override { return ui_; }
    void click(std::string_view window, std::string_view control) override { ui_.click(window, control); }
    void close_by_user(std::string_view window) override { ui_.close(window); }
    bool wait_until(const std::function<bool()> &condition) override {
        for (int i = 0; i < 500 && !condition(); ++i)
            ui_.advance(10);
        return condition();
    }
    void let_pass(int ms) override { ui_.advance(ms); }
    std::string control_at(std::string_view window, int x, int y) override {
        return stacked_control_at(ui_, window == "alpha" ? kAlpha : kBeta, x, y);
    }
    void answer_next_popup(std::string item) override { ui_.answer_next_popup(std::move(item)); }

private:
    tv::platform::fakes::VirtualClock clock_;
    tv::platform::fakes::Journal journal_;
    MemoryUi ui_;
};

class GtkDriver : public Driver {
public:
    GtkDriver() : ui_(kCatalogue, "/nonexistent-assets") {}
    ~GtkDriver() override { popup_watch_.disconnect(); }
    Ui &ui() override { return ui_; }
    void click(std::string_view window, std::string_view control) override {
        if (auto *button = dynamic_cast<Gtk::Button *>(ui_.widget(window, control)))
            button->clicked();
    }
    void close_by_user(std::string_view window) override {
        // What the window manager's close does: a delete event.
        if (Gtk::Window *w = ui_.toplevel(window))
            w->close();
        ui_.pump_messages();
    }
    bool wait_until(const std::function<bool()> &condition) override {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!condition() && std::chrono::steady_clock::now() < deadline) {
            ui_.pump_messages();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return condition();
    }
    void let_pass(int ms) override {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        wait_until([&] { return std::chrono::steady_clock::now() >= until; });
    }
    std::string control_at(std::string_view window, int x, int y) override {
        // Showing, hiding and sizing reach the screen in the next layout pass.
        let_pass(50);
        return ui_.control_at(window, x, y);
    }
    void answer_next_popup(std::string item) override {
        // Looks for the popup every 10 ms for at most 5 s, then acts on it as the user would.
        auto attempts = std::make_shared<int>(0);
        popup_watch_ = Glib::signal_timeout().connect(
            [this, item, attempts] {
                Gtk::Menu *menu = ui_.open_popup();
                if (menu == nullptr)
                    return ++*attempts < 500;
                if (item.empty()) {
                    menu->cancel();
                    return false;
                }
                for (Gtk::Widget *child : menu->get_children()) {
                    auto *entry = dynamic_cast<Gtk::MenuItem *>(child);
                    if (entry != nullptr && entry->get_label() == item) {
                        menu->activate_item(*entry, true);
                        return false;
                    }
                }
                menu->cancel();
                return false;
            },
            10);
    }

private:
    GtkUi ui_;
    sigc::connection popup_watch_;
};

enum class Toolkit { Memory, Gtk };

class UiConformance : public ::testing::TestWithParam<Toolkit> {
protected:
    void SetUp() override {
        if (GetParam() == Toolkit::Gtk) {
            std::string why_not;
            if (!tv::test::gtk_test_display(why_not))
                GTEST_SKIP() << "no display for GTK: " << why_not;
            driver_ = std::make_unique<GtkDriver>();
        } else {
            driver_ = std::make_unique<MemoryDriver>();
        }
        ctx_.ui = &ui();
        ui().set_context(ctx_);
        ui().set_exit_routine([this] { ++exits_; });
    }
    void TearDown() override {
        // Windows still open are closed so the next test's display is clean.
        if (driver_) {
            for (const WindowDef *def : kCatalogue)
                if (ui().is_open(def->id))
                    ui().request_destroy(def->id);
            driver_->let_pass(0);
        }
    }

    Ui &ui() { return driver_->ui(); }
    int count(const std::string &entry) const {
        return static_cast<int>(std::count(ctx_.log.begin(), ctx_.log.end(), entry));
    }

    std::unique_ptr<Driver> driver_;
    Context ctx_;
    int exits_ = 0;
};

TEST_P(UiConformance, ControlsStartWithTheirDefinitionValues) {
    ui().load_window("alpha");
    ui().load_window("beta");
    EXPECT_EQ(ui().text("alpha", "title"), tv::gbk("频道"));
    EXPECT_EQ(ui().text("alpha", "go"), tv::gbk("关闭"));
    EXPECT_EQ(ui().text("alpha", "field"), "&") << "a hidden edit box still holds its text";
    EXPECT_FALSE(ui().visible("alpha", "field"));
    EXPECT_TRUE(ui().visible("alpha", "cover"));
    EXPECT_EQ(ui().width("alpha", "web"), 100);
    EXPECT_EQ(ui().height("alpha", "web"), 80);
    EXPECT_EQ(ui().timer_period("alpha", "tick"), 0);
    EXPECT_EQ(ui().timer_period("beta", "tick"), 20);
    EXPECT_TRUE(ui().address("alpha", "web").empty());
    EXPECT_TRUE(ui().window_visible("alpha"));
    EXPECT_TRUE(ui().always_on_top("beta"));
    EXPECT_FALSE(ui().always_on_top("alpha"));
}

TEST_P(UiConformance, PropertiesReadBackWhatWasSet) {
    ui().load_window("alpha");
    for (std::string_view control : {"title", "go", "field", "cover"}) {
        ui().set_text("alpha", control, tv::gbk("新的文字"));
        EXPECT_EQ(ui().text("alpha", control), tv::gbk("新的文字")) << control;
    }
    ui().set_visible("alpha", "cover", false);
    ui().set_visible("alpha", "field", true);
    EXPECT_FALSE(ui().visible("alpha", "cover"));
    EXPECT_TRUE(ui().visible("alpha", "field"));

    ui().set_width("alpha", "web", 190);
    ui().set_height("alpha", "web", 115);
    EXPECT_EQ(ui().width("alpha", "web"), 190);
    EXPECT_EQ(ui().height("alpha", "web"), 115);

    ui().set_timer_period("alpha", "tick", 1000);
    EXPECT_EQ(ui().timer_period("alpha", "tick"), 1000);
    ui().set_timer_period("alpha", "tick", 0);
    EXPECT_EQ(ui().timer_period("alpha", "tick"), 0);

    const tv::DateTime moment{2016, 2, 29, 23, 58, 30};
    ui().set_date_value("alpha", "day", moment);
    EXPECT_EQ(ui().date_value("alpha", "day"), moment) << "the date box keeps the time of day";

    ui().set_always_on_top("alpha", true);
    EXPECT_TRUE(ui().always_on_top("alpha"));
}

TEST_P(UiConformance, BrowserAddressReadsBackEvenWhenRefused) {
    ui().load_window("alpha");
    // Web addresses load; anything else is refused, yet the address reads as it was set.
    for (const char *address : {"http://127.0.0.1:9/a&b&c&", "file:///etc/passwd", "javascript:alert(1)", "&&&", ""}) {
        ui().set_address("alpha", "web", address);
        EXPECT_EQ(ui().address("alpha", "web"), address);
    }
}

TEST_P(UiConformance, ClosedWindowIgnoresWritesAndReadsDefaults) {
    ui().set_text("alpha", "title", "x");
    ui().set_visible("alpha", "cover", true);
    ui().set_width("alpha", "web", 5);
    EXPECT_FALSE(ui().is_open("alpha"));
    EXPECT_EQ(ui().text("alpha", "title"), "");
    EXPECT_FALSE(ui().visible("alpha", "cover"));
    EXPECT_EQ(ui().width("alpha", "web"), 0);
    EXPECT_FALSE(ui().window_visible("alpha"));

    ui().load_window("alpha");
    EXPECT_EQ(ui().text("alpha", "title"), tv::gbk("频道")) << "a new window starts from its definition";
}

TEST_P(UiConformance, WindowStartsCentredAndMoves) {
    ui().load_window("alpha");
    const Size screen = ui().screen_size();
    EXPECT_EQ(ui().window_rect("alpha"), (Rect{(screen.width - 200) / 2, (screen.height - 120) / 2, 200, 120}));
    ui().move_window("alpha", Rect{10, 20, 300, 100});
    EXPECT_EQ(ui().window_rect("alpha"), (Rect{10, 20, 300, 100}));
    ui().set_window_state("alpha", kCentred);
    EXPECT_EQ(ui().window_rect("alpha"), (Rect{(screen.width - 300) / 2, (screen.height - 100) / 2, 300, 100}));
    EXPECT_EQ(ui().window_state("alpha"), kNormal);
}

TEST_P(UiConformance, MinimisingNeedsAVisibleWindow) {
    ui().load_window("alpha");
    ui().set_window_visible("alpha", false);
    ui().set_window_state("alpha", kMinimised);
    EXPECT_EQ(ui().window_state("alpha"), kNormal);
    ui().set_window_visible("alpha", true);
    ui().set_window_state("alpha", kMinimised);
    EXPECT_EQ(ui().window_state("alpha"), kMinimised);
}

TEST_P(UiConformance, SecondLoadRestoresInsteadOfCreating) {
    ui().load_window("alpha");
    ui().set_window_state("alpha", kMinimised);
    ui().load_window("alpha");
    EXPECT_EQ(count("created alpha"), 1);
    EXPECT_EQ(ui().window_state("alpha"), kNormal);
}

TEST_P(UiConformance, DestructionRequestedInAHandlerHappensAfterItReturns) {
    ui().load_window("alpha");
    ui().load_window("beta");
    driver_->click("alpha", "go");
    EXPECT_EQ(count("open inside handler"), 1);
    EXPECT_FALSE(ui().is_open("alpha"));
    EXPECT_EQ(exits_, 0) << "beta is still open";
}

TEST_P(UiConformance, ProgramEndsWithTheLastWindowAndExitRoutineRunsOnce) {
    ui().load_window("alpha");
    ui().load_window("beta");
    driver_->close_by_user("alpha");
    EXPECT_FALSE(ui().is_open("alpha"));
    EXPECT_EQ(exits_, 0);
    driver_->close_by_user("beta");
    EXPECT_FALSE(ui().is_open("beta"));
    EXPECT_EQ(exits_, 1);
    ui().run(); // returns at once: the program has ended
    ui().pump_messages();
    EXPECT_EQ(exits_, 1);
}

TEST_P(UiConformance, TimersTickUntilStoppedAndNotAfterTheirWindowIsGone) {
    ui().load_window("beta");
    ASSERT_TRUE(driver_->wait_until([&] { return count("tick beta") >= 2; }));
    ui().set_timer_period("beta", "tick", 0);
    const int ticks = count("tick beta");
    driver_->let_pass(100);
    EXPECT_EQ(count("tick beta"), ticks) << "a period of 0 stops the timer";

    ui().set_timer_period("beta", "tick", 20);
    ASSERT_TRUE(driver_->wait_until([&] { return count("tick beta") > ticks; }));
    ui().load_window("alpha"); // keeps the program alive
    driver_->close_by_user("beta");
    const int at_close = count("tick beta");
    driver_->let_pass(100);
    EXPECT_EQ(count("tick beta"), at_close);
}

TEST_P(UiConformance, UnknownNamesThrowNamingWindowAndControl) {
    try {
        ui().text("alpha", "nothing");
        FAIL() << "no exception";
    } catch (const UnknownName &e) {
        EXPECT_NE(std::string(e.what()).find("alpha/nothing"), std::string::npos) << e.what();
    }
    EXPECT_THROW(ui().load_window("gamma"), UnknownName);
    EXPECT_THROW(ui().set_visible("beta", "web", true), UnknownName) << "web is alpha's, not beta's";
    ui().load_window("alpha");
    EXPECT_THROW(ui().set_timer_period("alpha", "tock", 10), UnknownName);
    EXPECT_THROW(ui().popup_menu("alpha", "nohead", Point{}), UnknownName);
}

TEST_P(UiConformance, StackingDecidesWhichControlTakesAPoint) {
    ui().load_window("alpha");
    struct Case {
        const char *step;
        std::function<void()> change;
        int x, y;
        const char *expected;
    };
    const Case cases[] = {
        {"cover lies over the browser", [] {}, 50, 40, "cover"},
        {"a button beside them", [] {}, 130, 40, "go"},
        {"the background between controls", [] {}, 195, 75, ""},
        {"hiding the cover reveals the browser", [&] { ui().set_visible("alpha", "cover", false); }, 50, 40, "web"},
        {"a widened browser reaches further", [&] { ui().set_width("alpha", "web", 200); }, 150, 70, "web"},
        {"a shown edit box lies over everything", [&] { ui().set_visible("alpha", "field", true); }, 115, 65, "field"},
        {"nothing where everything is hidden",
         [&] {
             ui().set_visible("alpha", "web", false);
             ui().set_visible("alpha", "field", false);
         },
         50, 40, ""},
    };
    for (const Case &c : cases) {
        c.change();
        EXPECT_EQ(driver_->control_at("alpha", c.x, c.y), c.expected) << c.step;
    }
}

TEST_P(UiConformance, ChosenPopupItemRunsAfterThePopupIsGone) {
    ui().load_window("alpha");
    driver_->answer_next_popup("二");
    ui().popup_menu("alpha", "more", Point{300, 200});
    EXPECT_EQ(ctx_.log.back(), "chose 二");

    driver_->answer_next_popup("");
    const std::size_t entries = ctx_.log.size();
    ui().popup_menu("alpha", "more", Point{300, 200});
    EXPECT_EQ(ctx_.log.size(), entries) << "dismissing does nothing";
}

INSTANTIATE_TEST_SUITE_P(Toolkits, UiConformance, ::testing::Values(Toolkit::Memory, Toolkit::Gtk),
                         [](const auto &info) { return info.param == Toolkit::Memory ? "Memory" : "Gtk"; });

} // namespace
