#pragma once
// Window and control definitions: plain data that both toolkit implementations render.
// Captions and texts are written in UTF-8 here; the toolkit hands them to handlers as GBK.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tv {
struct Context; // what handlers work with; defined by the application
}

namespace tv::ui {

enum class ControlKind {
    Button,
    EditBox,
    Label,
    TransparentLabel,
    PictureBox,
    DateBox,
    Timer,
    Browser,
    BalloonTips,
    MenuStyler,
};

enum class EventKind { Created, Clicked, LeftButtonDown, GotFocus, Periodic, MenuSelected };

struct Event {
    std::string_view window;  // window id
    std::string_view control; // control name; empty for window events
    EventKind kind;
    std::string_view item; // menu item caption (UTF-8) for MenuSelected
};

using Handler = void (*)(Context &, const Event &);

struct Color {
    std::uint8_t r, g, b;
    friend bool operator==(const Color &, const Color &) = default;
};

constexpr Color rgb(std::uint32_t hex) {
    return Color{static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8),
                 static_cast<std::uint8_t>(hex)};
}

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };
enum class Pointer { Arrow, PinkArrow, BlueArrow, PinkSquare };
enum class Shape { Rectangle, RoundedRectangle };

// Text effects of labels: 0 none, 1 light shadow, 2 raised, 3 dark shadow.
enum class TextEffect { None = 0, LightShadow = 1, Raised = 2, DarkShadow = 3 };

struct Font {
    std::string_view family; // empty: the default GUI font
    int height_px = 0;       // 0: default size
    int weight = 400;        // 700 bold
};

struct Gradient {
    Color top, middle, bottom;
};

struct ControlDef {
    std::string_view name;
    ControlKind kind;
    int left = 0, top = 0, width = 0, height = 0;
    std::string_view caption = {}; // UTF-8
    bool visible = true;
    // Style. Only the properties that matter for the kind are read.
    int frame = 0; // 0 none, 1 sunken 3-D edge, 3 thin sunken edge
    TextEffect effect = TextEffect::None;
    std::optional<Color> text_color = {};
    std::optional<Color> back_color = {};
    std::optional<Gradient> gradient = {};
    std::string_view picture = {}; // asset file name relative to the assets folder
    HAlign h_align = HAlign::Left;
    VAlign v_align = VAlign::Top;
    bool word_wrap = false;
    Font font = {};
    Pointer pointer = Pointer::Arrow;
    int timer_period_ms = 0;      // timers
    int browser_text_size = 2;    // browser: 0 smallest .. 4 largest
    bool browser_silent = true;   // browser: no dialogs of its own
    std::span<const Color> menu_colors = {}; // menu styler: its colour set in stored order
};

struct MenuItemDef {
    std::string_view head;    // the top-level head the item belongs to
    std::string_view caption; // UTF-8
    Handler selected;
};

struct Binding {
    std::string_view control; // empty for window events
    EventKind kind;
    Handler handler;
};

struct WindowDef {
    std::string_view id;      // how handlers name the window: "main", "notice_board", "remote_control"
    std::string_view caption; // UTF-8
    int width = 0, height = 0;
    std::optional<Color> background = {};
    std::string_view background_picture = {};
    std::string_view icon = {}; // icon base name in the assets folder
    bool minimize_allowed = false;
    bool maximize_allowed = false;
    bool in_taskbar = true;
    bool always_on_top = false;
    Shape shape = Shape::Rectangle;
    bool drag_anywhere = false;
    bool esc_closes = false;
    std::span<const ControlDef> controls = {};
    std::span<const std::string_view> stacking = {}; // first on top; every visible control appears once
    std::span<const MenuItemDef> menu = {};
    std::span<const Binding> bindings = {};
};

// d = min(w / 5, h / 5): the corner ellipse of a rounded window.
constexpr int rounded_corner(int width, int height) { return width / 5 < height / 5 ? width / 5 : height / 5; }

const ControlDef *find_control(const WindowDef &window, std::string_view name);

} // namespace tv::ui
