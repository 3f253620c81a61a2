#include "ui/event_router.h"

#include "ui/ui.h"


namespace tv::ui {

const ControlDef *find_control(const WindowDef &window, std::string_view name) {
    for (const auto &c : window.controls)
        if (c.name == name)
            return &c;
    return nullptr;
}

const WindowDef &EventRouter::window(std::string_view id) const {
    for (const WindowDef *w : catalogue_)
        if (w->id == id)
            return *w;
    throw UnknownName(id, {});
}

const ControlDef &EventRouter::control(std::string_view window_id, std::string_view name) const {
    const ControlDef *c = find_control(window(window_id), name);
    if (c == nullptr)
        throw UnknownName(window_id, name);
    return *c;
}

void EventRouter::fire(std::string_view window_id, std::string_view control, EventKind kind) {
    const WindowDef &w = window(window_id);
    for (const Binding &b : w.bindings) {
        if (b.control == control && b.kind == kind) {
            call(b.handler, Event{w.id, b.control, kind, {}});
            return;
        }
    }
}

void EventRouter::fire_menu_item(std::string_view window_id, std::string_view item) {
    const WindowDef &w = window(window_id);
    for (const MenuItemDef &m : w.menu) {
        if (m.caption == item) {
            call(m.selected, Event{w.id, {}, EventKind::MenuSelected, m.caption});
            return;
        }
    }
    throw UnknownName(window_id, item);
}

void EventRouter::call(Handler handler, const Event &event) {
    if (handler == nullptr || context_ == nullptr)
        return;
    ++depth_;
    try {
        handler(*context_, event);
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    flush_destructions();
}

void EventRouter::request_destroy(std::string_view window_id) {
    window(window_id); // unknown ids fail loudly
    pending_destroy_.emplace_back(window_id);
}

void EventRouter::flush_destructions() {
    if (depth_ > 0)
        return;
    while (!pending_destroy_.empty()) {
        const std::string id = pending_destroy_.front();
        pending_destroy_.erase(pending_destroy_.begin());
        if (destroyer_)
            destroyer_(id);
    }
}

void EventRouter::window_gone(bool any_window_left) {
    if (any_window_left || ended_)
        return;
    ended_ = true;
    if (exit_routine_)
        exit_routine_();
}

} // namespace tv::ui
