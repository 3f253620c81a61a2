// What only real windows show: placement and shape on the screen, which presses reach which
// controls, Esc, pictures, looks, pointers, the date box, the browser's address filter and the
// popup's place and colours. Runs under a private Xvfb; skipped when there is none.
#include "core/gbk_convert.h"
#include "ui/gtk/date_box.h"
#include "ui/gtk/gtk_ui.h"
#include "xvfb_display.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gdk/gdkkeysyms.h>
#include <gdkmm/pixbuf.h>
#include <glibmm/main.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <gtkmm/entry.h>
#include <gtkmm/eventbox.h>
#include <gtkmm/menu.h>
#include <gtkmm/menuitem.h>
#include <gtkmm/window.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

struct tv::Context {
    std::vector<std::string> log;
};

namespace {

using namespace tv::ui;
using tv::Context;

void record_press(Context &ctx, const Event &e) {
    ctx.log.push_back("press " + std::string(e.control));
}
void record_focus(Context &ctx, const Event &e) {
    ctx.log.push_back("focus " + std::string(e.control));
}
void record_choice(Context &ctx, const Event &e) {
    ctx.log.push_back("chose " + std::string(e.item));
}

// "drag": drags anywhere and closes on Esc. "still": neither. Both have a label, a transparent
// label and an edit box whose presses are recorded.
constexpr Color kMenuColors[] = {rgb(0xFFFFFF), rgb(0xFF80C0), rgb(0xFFFFFF),
                                 rgb(0xFF80C0), rgb(0xFFECF5), rgb(0xFFC1DA)};
constexpr std::array kControls = {
    ControlDef{.name = "label",
               .kind = ControlKind::Label,
               .left = 10,
               .top = 10,
               .width = 60,
               .height = 20,
               .caption = "标签",
               .back_color = rgb(0x000000),
               .pointer = Pointer::PinkArrow},
    ControlDef{.name = "clear",
               .kind = ControlKind::TransparentLabel,
               .left = 10,
               .top = 40,
               .width = 60,
               .height = 20,
               .caption = "透明"},
    ControlDef{.name = "field",
               .kind = ControlKind::EditBox,
               .left = 80,
               .top = 10,
               .width = 40,
               .height = 24,
               .caption = "7",
               .frame = 1,
               .text_color = rgb(0xFF0000),
               .back_color = rgb(0x000000),
               .h_align = HAlign::Center},
    ControlDef{.name = "day", .kind = ControlKind::DateBox, .left = 10, .top = 70, .width = 152, .height = 24},
    ControlDef{.name = "web", .kind = ControlKind::Browser, .left = 130, .top = 10, .width = 60, .height = 50},
    ControlDef{
        .name = "styler", .kind = ControlKind::MenuStyler, .font = Font{"宋体", 12, 400}, .menu_colors = kMenuColors},
    ControlDef{.name = "tips", .kind = ControlKind::BalloonTips},
};
constexpr std::array<std::string_view, 5> kStacking = {"label", "clear", "field", "day", "web"};
constexpr std::array kBindings = {
    Binding{"label", EventKind::LeftButtonDown, record_press},
    Binding{"clear", EventKind::LeftButtonDown, record_press},
    Binding{"field", EventKind::LeftButtonDown, record_press},
    Binding{"field", EventKind::GotFocus, record_focus},
};
constexpr std::array kMenu = {MenuItemDef{"head", "一", record_choice}, MenuItemDef{"head", "二", record_choice}};

constexpr WindowDef kDrag{.id = "drag",
                          .caption = "拖",
                          .width = 200,
                          .height = 120,
                          .background = rgb(0x000080),
                          .background_picture = "tile.jpg",
                          .drag_anywhere = true,
                          .esc_closes = true,
                          .controls = kControls,
                          .stacking = kStacking,
                          .menu = kMenu,
                          .bindings = kBindings};
constexpr WindowDef kStill{.id = "still",
                           .caption = "静",
                           .width = 150,
                           .height = 220,
                           .background = rgb(0x000080),
                           .background_picture = "broken.jpg",
                           .always_on_top = true,
                           .shape = Shape::RoundedRectangle,
                           .controls = kControls,
                           .stacking = kStacking,
                           .bindings = kBindings};
constexpr std::array<const WindowDef *, 2> kCatalogue = {&kDrag, &kStill};

// A scratch assets folder: a 32 x 32 tile of four 16 x 16 squares (red, green / blue, white),
// an undecodable picture, and a pink arrow pointer with its hot spot.
class ScratchAssets {
public:
    ScratchAssets() : dir_(std::filesystem::temp_directory_path() / ("gtk_ui_test_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(dir_ / "pointers");
        auto tile = Gdk::Pixbuf::create(Gdk::COLORSPACE_RGB, false, 8, 32, 32);
        const guint8 colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const guint8 *c = colours[(y / 16) * 2 + x / 16];
                std::copy(c, c + 3, tile->get_pixels() + y * tile->get_rowstride() + x * 3);
            }
        tile->save((dir_ / "tile.jpg").string(), "jpeg", {"quality"}, {"100"});
        std::ofstream(dir_ / "broken.jpg") << "not a picture";
        auto arrow = Gdk::Pixbuf::create(Gdk::COLORSPACE_RGB, true, 8, 32, 32);
        arrow->fill(0xFF80C0FF);
        arrow->save((dir_ / "pointers" / "pink-arrow.png").string(), "png");
        std::ofstream(dir_ / "pointers" / "hotspots.txt") << "pink-arrow 8 3\n";
    }
    ~ScratchAssets() { std::filesystem::remove_all(dir_); }
    const std::filesystem::path &dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};
std::ostream &operator<<(std::ostream &os, const Rgb &c) {
    return os << c.r << "," << c.g << "," << c.b;
}

bool near(Rgb a, Rgb b, int tolerance = 40) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

Rgb rgba_of(const GdkRGBA &c) {
    return Rgb{static_cast<int>(c.red * 255 + 0.5), static_cast<int>(c.green * 255 + 0.5),
               static_cast<int>(c.blue * 255 + 0.5)};
}

Rgb css_colour(Gtk::Widget &widget, const char *property) {
    GdkRGBA *colour = nullptr;
    GtkStyleContext *context = gtk_widget_get_style_context(widget.gobj());
    gtk_style_context_get(context, gtk_style_context_get_state(context), property, &colour, nullptr);
    const Rgb result = rgba_of(*colour);
    gdk_rgba_free(colour);
    return result;
}

class GtkUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why_not;
        if (!tv::test::gtk_test_display(why_not))
            GTEST_SKIP() << "no display for GTK: " << why_not;
        assets_ = std::make_unique<ScratchAssets>();
        ui_ = std::make_unique<GtkUi>(kCatalogue, assets_->dir());
        ui_->set_context(ctx_);
    }
    void TearDown() override {
        if (ui_)
            for (const WindowDef *def : kCatalogue)
                if (ui_->is_open(def->id))
                    ui_->request_destroy(def->id);
        ui_.reset();
    }

    // Lets messages flow until the condition holds, at most 5 s.
    bool wait_until(const std::function<bool()> &condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!condition() && std::chrono::steady_clock::now() < deadline) {
            ui_->pump_messages();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return condition();
    }
    void settle(int ms = 150) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        wait_until([&] { return std::chrono::steady_clock::now() >= until; });
    }
    // Opens a window and waits until it is on the screen and drawn.
    Gtk::Window &open(std::string_view id) {
        ui_->load_window(id);
        Gtk::Window *w = ui_->toplevel(id);
        wait_until([&] { return w->get_mapped(); });
        settle();
        return *w;
    }
    Rgb screen_pixel(int x, int y) {
        GdkWindow *root = gdk_get_default_root_window();
        GdkPixbuf *shot = gdk_pixbuf_get_from_window(root, x, y, 1, 1);
        const guint8 *p = gdk_pixbuf_get_pixels(shot);
        const Rgb c{p[0], p[1], p[2]};
        g_object_unref(shot);
        return c;
    }
    Gtk::EventBox &slot_of(std::string_view window, std::string_view control) {
        Gtk::Widget *w = ui_->widget(window, control);
        while (w != nullptr && dynamic_cast<Gtk::EventBox *>(w) == nullptr)
            w = w->get_parent();
        return *dynamic_cast<Gtk::EventBox *>(w);
    }
    int count(const std::string &entry) const {
        return static_cast<int>(std::count(ctx_.log.begin(), ctx_.log.end(), entry));
    }

    std::unique_ptr<ScratchAssets> assets_;
    std::unique_ptr<GtkUi> ui_;
    Context ctx_;
};

TEST_F(GtkUiTest, WindowsAppearCentredBorderlessAndFixedInSize) {
    Gtk::Window &w = open("drag");
    const Size screen = ui_->screen_size();
    EXPECT_EQ(screen, (Size{1024, 768}));
    int x = 0, y = 0;
    w.get_window()->get_origin(x, y);
    EXPECT_EQ(x, (1024 - 200) / 2);
    EXPECT_EQ(y, (768 - 120) / 2);
    EXPECT_EQ(w.get_allocated_width(), 200);
    EXPECT_EQ(w.get_allocated_height(), 120);
    EXPECT_FALSE(w.get_decorated());
    EXPECT_FALSE(w.get_resizable());
    EXPECT_EQ(w.get_title(), "拖");
}

TEST_F(GtkUiTest, RoundedWindowsAreShapedAndReshapedWhenResized) {
    open("still");
    const Rect r = ui_->window_rect("still");
    // Where the window is cut away the empty screen (black) shows; inside, the window's colour.
    EXPECT_EQ(screen_pixel(r.left, r.top), (Rgb{0, 0, 0})) << "corner of the d=30 ellipse";
    EXPECT_EQ(screen_pixel(r.left + 75, r.top + 110), (Rgb{0, 0, 128}));
    EXPECT_EQ(screen_pixel(r.left + 4, r.top + 2), (Rgb{0, 0, 0}));

    ui_->move_window("still", Rect{100, 100, 300, 100});
    settle(300);
    EXPECT_EQ(screen_pixel(100 + 4, 100 + 2), (Rgb{0, 0, 128})) << "d=20 cuts less";
    EXPECT_EQ(screen_pixel(100, 100), (Rgb{0, 0, 0}));
    EXPECT_EQ(screen_pixel(100 + 299, 100 + 99), (Rgb{0, 0, 0}));
}

TEST_F(GtkUiTest, BackgroundPictureTilesAndAnUndecodableOneLeavesTheColour) {
    open("still"); // beneath, where the two overlap
    open("drag");
    const Rect tiled = ui_->window_rect("drag"), plain = ui_->window_rect("still");
    // Below and right of the controls; the tile repeats every 32 pixels.
    struct Case {
        const Rect &window;
        int x, y;
        Rgb expected;
        const char *what;
    };
    const Case cases[] = {
        {tiled, 196, 100, {255, 0, 0}, "red square of the seventh tile"},
        {tiled, 180, 116, {255, 255, 255}, "white square of the sixth tile"},
        {tiled, 140, 116, {0, 0, 255}, "blue square of the fifth tile"},
        {tiled, 28, 100, {0, 255, 0}, "green square of the first tile"},
        {plain, 75, 200, {0, 0, 128}, "no picture: the background colour"},
    };
    for (const Case &c : cases) {
        const Rgb got = screen_pixel(c.window.left + c.x, c.window.top + c.y);
        EXPECT_TRUE(near(got, c.expected)) << c.what << ": " << got;
    }
}

TEST_F(GtkUiTest, PressesOnLabelsDragOnlyWhereTheWindowDragsAnywhere) {
    struct Case {
        const char *window;
        const char *control;
        int x, y;
        bool delivered;
    };
    const Case cases[] = {
        {"drag", "label", 20, 20, false}, // starts a window drag instead
        {"drag", "clear", 20, 50, true},  // transparent labels get their press
        {"drag", "field", 90, 20, true},  {"still", "label", 20, 20, true}, {"still", "clear", 20, 50, true},
    };
    for (const Case &c : cases) {
        Gtk::Window &w = open(c.window);
        ctx_.log.clear();
        gdk_test_simulate_button(w.get_window()->gobj(), c.x, c.y, 1, GdkModifierType(0), GDK_BUTTON_PRESS);
        gdk_test_simulate_button(w.get_window()->gobj(), c.x, c.y, 1, GdkModifierType(0), GDK_BUTTON_RELEASE);
        settle(100);
        EXPECT_EQ(count(std::string("press ") + c.control), c.delivered ? 1 : 0) << c.window << "/" << c.control;
    }
}

TEST_F(GtkUiTest, EscClosesOnlyWindowsThatCloseOnEsc) {
    struct Case {
        const char *window;
        const char *focus;
        bool closes;
    };
    const Case cases[] = {
        {"still", "field", false},
        {"drag", "field", true},
        {"drag", "web", true}, // a browser that has loaded nothing has no page to use the key
    };
    for (const Case &c : cases) {
        Gtk::Window &w = open(c.window);
        ui_->widget(c.window, c.focus)->grab_focus();
        gdk_test_simulate_key(w.get_window()->gobj(), -1, -1, GDK_KEY_Escape, GdkModifierType(0), GDK_KEY_PRESS);
        settle(100);
        EXPECT_EQ(ui_->is_open(c.window), !c.closes) << c.window << " with the focus on " << c.focus;
    }
}

TEST_F(GtkUiTest, EditBoxesReportFocusAndCarryTheirColours) {
    open("drag");
    auto *field = dynamic_cast<Gtk::Entry *>(ui_->widget("drag", "field"));
    ASSERT_NE(field, nullptr);
    field->grab_focus();
    settle(50);
    EXPECT_EQ(count("focus field"), 1);
    EXPECT_EQ(css_colour(*field, "color"), (Rgb{255, 0, 0}));
    EXPECT_EQ(css_colour(*field, "background-color"), (Rgb{0, 0, 0}));
    EXPECT_FLOAT_EQ(field->get_alignment(), 0.5f);
    EXPECT_EQ(ui_->text("drag", "field"), "7");
    field->set_text("42"); // typed by the user
    EXPECT_EQ(ui_->text("drag", "field"), "42");
}

TEST_F(GtkUiTest, ControlLookReachesWindowsCreatedLater) {
    open("drag");
    auto *before = ui_->widget("drag", "field");
    EXPECT_EQ(css_colour(*before, "border-top-color"), (Rgb{0xA0, 0xA0, 0xA0})) << "classic sunken edge";
    ui_->set_control_look(2);
    open("still");
    settle(50);
    EXPECT_EQ(css_colour(*ui_->widget("still", "field"), "border-top-color"), (Rgb{164, 185, 127}));
    EXPECT_EQ(css_colour(*before, "border-top-color"), (Rgb{164, 185, 127})) << "open windows change too";
    ui_->set_control_look(3);
    settle(50);
    EXPECT_EQ(css_colour(*before, "border-top-color"), (Rgb{198, 197, 215}));
}

TEST_F(GtkUiTest, PopupOpensAtThePointInTheStylersColours) {
    open("drag");
    std::optional<Rgb> background;
    std::optional<std::pair<int, int>> origin;
    auto watch = Glib::signal_timeout().connect(
        [&] {
            Gtk::Menu *menu = ui_->open_popup();
            if (menu == nullptr || !menu->get_toplevel()->get_mapped())
                return true;
            int x = 0, y = 0;
            menu->get_toplevel()->get_window()->get_origin(x, y);
            origin = std::make_pair(x, y);
            background = css_colour(*menu, "background-color");
            menu->activate_item(*dynamic_cast<Gtk::MenuItem *>(menu->get_children().back()), true);
            return false;
        },
        20);
    ui_->popup_menu("drag", "head", Point{300, 200});
    watch.disconnect();
    ASSERT_TRUE(origin.has_value()) << "the popup never showed";
    EXPECT_EQ(*origin, std::make_pair(300, 200));
    EXPECT_EQ(background, (Rgb{0xFF, 0xEC, 0xF5}));
    EXPECT_EQ(ctx_.log.back(), "chose 二");
}

TEST_F(GtkUiTest, DateBoxShowsTheLongDateAndStepsByDays) {
    open("drag");
    ui_->set_date_value("drag", "day", tv::DateTime{2016, 2, 28, 23, 58, 30});
    auto *box = dynamic_cast<tv::ui::gtk::DateBox *>(ui_->widget("drag", "day"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->field().get_text(), "2016年2月28日");
    box->up_button().clicked();
    EXPECT_EQ(ui_->date_value("drag", "day"), (tv::DateTime{2016, 2, 29, 23, 58, 30}));
    box->up_button().clicked();
    EXPECT_EQ(box->field().get_text(), "2016年3月1日");
    box->field().set_text("2017年1月9日"); // typed, then the down arrow
    box->down_button().clicked();
    EXPECT_EQ(ui_->date_value("drag", "day"), (tv::DateTime{2017, 1, 8, 23, 58, 30}));
}

TEST_F(GtkUiTest, BrowserLoadsOnlyWebAddressesAndTheBlankPage) {
    open("drag");
    ui_->set_address("drag", "web", "about:blank");
    ASSERT_TRUE(wait_until([&] { return ui_->browser_uri("drag", "web") == "about:blank"; }));
    for (const char *refused : {"file:///etc/passwd", "javascript:document.write(1)", "&&&"}) {
        ui_->set_address("drag", "web", refused);
        settle(100);
        EXPECT_EQ(ui_->browser_uri("drag", "web"), "about:blank") << refused;
        EXPECT_EQ(ui_->address("drag", "web"), refused);
    }
}

TEST_F(GtkUiTest, CustomPointersShowOverTheirControls) {
    open("drag");
    EXPECT_NE(gdk_window_get_cursor(slot_of("drag", "label").get_window()->gobj()), nullptr);
    EXPECT_EQ(gdk_window_get_cursor(slot_of("drag", "clear").get_window()->gobj()), nullptr) << "system arrow";
}

TEST_F(GtkUiTest, BalloonTipsAttachToTheirControl) {
    open("drag");
    ui_->add_balloon_tip("drag", "tips", "label", tv::gbk("按住可拖动窗口"));
    EXPECT_EQ(slot_of("drag", "label").get_tooltip_text(), "按住可拖动窗口");
    EXPECT_THROW(ui_->add_balloon_tip("drag", "label", "nothing", "x"), UnknownName);
}

} // namespace
