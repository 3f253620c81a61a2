#pragma once
// The toolkit seam: the one narrow interface through which handlers act on windows and controls.
// Windows are named by their definition's id, controls by window id and control name. Naming a
// window or control that no definition has is a programming error: the call throws UnknownName
// with both names. A defined window that is not open ignores writes and reads as defaults.
#include "core/date_time.h"
#include "core/text.h"
#include "ui/definitions.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tv::ui {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};
struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size &, const Size &) = default;
};
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

// Window states: 0 normal, 1 centred, 2 minimised, 3 maximised.
enum WindowState { kNormal = 0, kCentred = 1, kMinimised = 2, kMaximised = 3 };

class UnknownName : public std::logic_error {
public:
    UnknownName(std::string_view window, std::string_view control)
        : std::logic_error("unknown " + std::string(control.empty() ? "window" : "control") + " '" +
                           std::string(window) + (control.empty() ? "" : "/" + std::string(control)) + "'") {}
};

class Ui {
public:
    virtual ~Ui() = default;

    // --- program and windows ---
    // Handlers receive this context. Set once before the first window is loaded.
    virtual void set_context(Context &context) = 0;
    // Runs once, when the last window of the program is gone.
    virtual void set_exit_routine(std::function<void()> routine) = 0;
    // Creates the window from its definition and runs its created handler inside the call; when
    // the window is already open, only restores it (if minimised) or activates it.
    virtual void load_window(std::string_view window) = 0;
    virtual bool is_open(std::string_view window) const = 0;
    // Destruction is carried out after the current handler returns.
    virtual void request_destroy(std::string_view window) = 0;
    // The message loop: returns when no window of the program remains.
    virtual void run() = 0;
    // Lets waiting messages through once (timers due, input, painting), then returns.
    virtual void pump_messages() = 0;

    virtual bool window_visible(std::string_view window) const = 0;
    virtual void set_window_visible(std::string_view window, bool visible) = 0;
    virtual int window_state(std::string_view window) const = 0;
    // Minimising takes effect only while the window is visible.
    virtual void set_window_state(std::string_view window, int state) = 0;
    virtual bool always_on_top(std::string_view window) const = 0;
    virtual void set_always_on_top(std::string_view window, bool on_top) = 0;
    virtual Rect window_rect(std::string_view window) const = 0;
    // Moves and sizes a window; a rounded window recomputes its shape.
    virtual void move_window(std::string_view window, const Rect &rect) = 0;

    // --- control properties (texts are GBK) ---
    virtual Text text(std::string_view window, std::string_view control) const = 0;
    virtual void set_text(std::string_view window, std::string_view control, std::string_view gbk_text) = 0;
    virtual bool visible(std::string_view window, std::string_view control) const = 0;
    virtual void set_visible(std::string_view window, std::string_view control, bool visible) = 0;
    virtual int width(std::string_view window, std::string_view control) const = 0;
    virtual void set_width(std::string_view window, std::string_view control, int width) = 0;
    virtual int height(std::string_view window, std::string_view control) const = 0;
    virtual void set_height(std::string_view window, std::string_view control, int height) = 0;
    // 0 stops a timer; setting the period it already has keeps its rhythm.
    virtual int timer_period(std::string_view window, std::string_view control) const = 0;
    virtual void set_timer_period(std::string_view window, std::string_view control, int period_ms) = 0;
    virtual DateTime date_value(std::string_view window, std::string_view control) const = 0;
    virtual void set_date_value(std::string_view window, std::string_view control, const DateTime &value) = 0;
    virtual Text address(std::string_view window, std::string_view control) const = 0;
    // Starts loading the address in the browser control and returns at once.
    virtual void set_address(std::string_view window, std::string_view control, std::string_view gbk_address) = 0;

    // --- the rest ---
    // Shows the items under a menu head as a popup with its top-left corner at a screen point.
    // Modal: returns when the popup is gone; the chosen item's handler runs after that.
    virtual void popup_menu(std::string_view window, std::string_view head, Point at) = 0;
    virtual Point mouse_position() const = 0;
    virtual Size screen_size() const = 0;
    // The drawing scheme of standard controls: 1 blue, 2 olive green, 3 silver.
    virtual void set_control_look(int scheme) = 0;
    virtual void add_balloon_tip(std::string_view window, std::string_view tips, std::string_view control,
                                 std::string_view gbk_text) = 0;
};

} // namespace tv::ui
