#pragma once
// What both toolkit implementations share: finding definitions by name, calling the bound
// handlers, deferring window destruction until the current handler has returned, and running
// the exit routine when the last window is gone.
#include "ui/definitions.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tv::ui {

class EventRouter {
public:
    explicit EventRouter(std::span<const WindowDef *const> catalogue) : catalogue_(catalogue) {}

    // The definition of a window; throws UnknownName for an id no definition has.
    const WindowDef &window(std::string_view id) const;
    // The definition of a control; throws UnknownName naming both when it does not exist.
    const ControlDef &control(std::string_view window, std::string_view control) const;

    void set_context(Context &context) { context_ = &context; }
    void set_exit_routine(std::function<void()> routine) { exit_routine_ = std::move(routine); }
    // Destroys a window for real; set by the implementation.
    void set_destroyer(std::function<void(std::string_view)> destroyer) { destroyer_ = std::move(destroyer); }

    // Calls the handler bound to (control, kind) on the window, if any. When the outermost
    // handler returns, the destructions it requested are carried out.
    void fire(std::string_view window, std::string_view control, EventKind kind);
    // Calls the selected handler of a menu item, found by its caption.
    void fire_menu_item(std::string_view window, std::string_view item);

    void request_destroy(std::string_view window);
    // Carries out queued destructions now, unless a handler is still running.
    void flush_destructions();
    // Called by the implementation after a window is gone: ends the program with the last one.
    void window_gone(bool any_window_left);
    bool program_ended() const { return ended_; }

private:
    void call(Handler handler, const Event &event);

    std::span<const WindowDef *const> catalogue_;
    Context *context_ = nullptr;
    std::function<void()> exit_routine_;
    std::function<void(std::string_view)> destroyer_;
    std::vector<std::string> pending_destroy_;
    int depth_ = 0;
    bool ended_ = false;
};

} // namespace tv::ui
