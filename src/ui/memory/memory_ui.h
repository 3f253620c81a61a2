#pragma once
// The in-memory toolkit: windows and controls as plain state, a virtual clock for timers, and
// events injected by name. Behaviour tests drive the whole program headless through it.
#include "platform/fakes/fakes.h"
#include "ui/event_router.h"
#include "ui/ui.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tv::ui {

class MemoryUi : public Ui {
public:
    MemoryUi(std::span<const WindowDef *const> catalogue, platform::fakes::VirtualClock &clock,
             platform::fakes::Journal &journal);

    // Ui
    void set_context(Context &context) override { router_.set_context(context); }
    void set_exit_routine(std::function<void()> routine) override { router_.set_exit_routine(std::move(routine)); }
    void load_window(std::string_view window) override;
    bool is_open(std::string_view window) const override;
    void request_destroy(std::string_view window) override;
    void run() override;
    void pump_messages() override;
    bool window_visible(std::string_view window) const override;
    void set_window_visible(std::string_view window, bool visible) override;
    int window_state(std::string_view window) const override;
    void set_window_state(std::string_view window, int state) override;
    bool always_on_top(std::string_view window) const override;
    void set_always_on_top(std::string_view window, bool on_top) override;
    Rect window_rect(std::string_view window) const override;
    void move_window(std::string_view window, const Rect &rect) override;
    Text text(std::string_view window, std::string_view control) const override;
    void set_text(std::string_view window, std::string_view control, std::string_view gbk_text) override;
    bool visible(std::string_view window, std::string_view control) const override;
    void set_visible(std::string_view window, std::string_view control, bool visible) override;
    int width(std::string_view window, std::string_view control) const override;
    void set_width(std::string_view window, std::string_view control, int width) override;
    int height(std::string_view window, std::string_view control) const override;
    void set_height(std::string_view window, std::string_view control, int height) override;
    int timer_period(std::string_view window, std::string_view control) const override;
    void set_timer_period(std::string_view window, std::string_view control, int period_ms) override;
    DateTime date_value(std::string_view window, std::string_view control) const override;
    void set_date_value(std::string_view window, std::string_view control, const DateTime &value) override;
    Text address(std::string_view window, std::string_view control) const override;
    void set_address(std::string_view window, std::string_view control, std::string_view gbk_address) override;
    void popup_menu(std::string_view window, std::string_view head, Point at) override;
    Point mouse_position() const override { return mouse_; }
    Size screen_size() const override { return screen_; }
    void set_control_look(int scheme) override;
    void add_balloon_tip(std::string_view window, std::string_view tips, std::string_view control,
                         std::string_view gbk_text) override;

    // --- test driving ---
    void set_screen_size(Size size) { screen_ = size; }
    void set_mouse_position(Point p) { mouse_ = p; }
    // User input, delivered at once as the message loop would.
    void click(std::string_view window, std::string_view control);
    void press(std::string_view window, std::string_view control);
    void focus(std::string_view window, std::string_view control);
    // The user closes a window (Esc, the system): a destruction request.
    void close(std::string_view window);
    // Input that waits in the queue until the next message pass.
    void post_click(std::string_view window, std::string_view control);
    // What the next popup does: choose an item by caption (UTF-8), or dismiss it (empty).
    void answer_next_popup(std::string item) { popup_answers_.push_back(std::move(item)); }
    // Moves virtual time on, firing due timers as the message loop would.
    void advance(std::int64_t ms);
    bool program_ended() const { return router_.program_ended(); }

    struct PopupShown {
        std::string window, head;
        Point at;
        std::vector<std::string> items; // UTF-8 captions in order
    };
    const std::vector<PopupShown> &popups() const { return popups_; }
    struct TipAttached {
        std::string window, control;
        Text text;
    };
    const std::vector<TipAttached> &tips() const { return tips_; }
    int control_look() const { return control_look_; }

private:
    struct ControlState {
        Text text;
        bool visible = true;
        int width = 0, height = 0;
        int period = 0;
        std::int64_t due = 0;
        DateTime date;
        Text address;
    };
    struct WindowState {
        bool open = false;
        bool visible = false;
        int state = kNormal;
        bool on_top = false;
        Rect rect;
        std::map<std::string, ControlState, std::less<>> controls;
    };

    WindowState &window_state_of(std::string_view window);
    const WindowState &window_state_of(std::string_view window) const;
    ControlState *control_state(std::string_view window, std::string_view control);
    const ControlState *control_state(std::string_view window, std::string_view control) const;
    void destroy_now(std::string_view window);
    bool fire_due_timers();

    EventRouter router_;
    platform::fakes::VirtualClock &clock_;
    platform::fakes::Journal &journal_;
    std::map<std::string, WindowState, std::less<>> windows_;
    std::deque<std::function<void()>> queue_;
    std::deque<std::string> popup_answers_;
    std::vector<PopupShown> popups_;
    std::vector<TipAttached> tips_;
    Size screen_{1024, 768};
    Point mouse_{0, 0};
    int control_look_ = 0;
};

} // namespace tv::ui
