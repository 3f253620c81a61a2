#include "ui/memory/memory_ui.h"

#include "core/gbk_convert.h"

#include <algorithm>
#include <limits>

namespace tv::ui {

MemoryUi::MemoryUi(std::span<const WindowDef *const> catalogue, platform::fakes::VirtualClock &clock,
                   platform::fakes::Journal &journal)
    : router_(catalogue), clock_(clock), journal_(journal) {
    router_.set_destroyer([this](std::string_view id) { destroy_now(id); });
    for (const WindowDef *w : catalogue)
        windows_.emplace(std::string(w->id), WindowState{});
}

MemoryUi::WindowState &MemoryUi::window_state_of(std::string_view window) {
    const auto it = windows_.find(window);
    if (it == windows_.end())
        throw UnknownName(window, {});
    return it->second;
}

const MemoryUi::WindowState &MemoryUi::window_state_of(std::string_view window) const {
    const auto it = windows_.find(window);
    if (it == windows_.end())
        throw UnknownName(window, {});
    return it->second;
}

MemoryUi::ControlState *MemoryUi::control_state(std::string_view window, std::string_view control) {
    router_.control(window, control); // unknown names fail loudly, open or not
    WindowState &w = window_state_of(window);
    if (!w.open)
        return nullptr;
    return &w.controls.find(control)->second;
}

const MemoryUi::ControlState *MemoryUi::control_state(std::string_view window, std::string_view control) const {
    router_.control(window, control);
    const WindowState &w = window_state_of(window);
    if (!w.open)
        return nullptr;
    return &w.controls.find(control)->second;
}

void MemoryUi::load_window(std::string_view window) {
    const WindowDef &def = router_.window(window);
    WindowState &w = window_state_of(window);
    if (w.open) {
        if (w.state == kMinimised)
            w.state = kNormal;
        journal_.add("activate " + std::string(window));
        return;
    }
    w = WindowState{};
    w.open = true;
    w.visible = true;
    w.on_top = def.always_on_top;
    w.rect = Rect{(screen_.width - def.width) / 2, (screen_.height - def.height) / 2, def.width, def.height};
    for (const ControlDef &c : def.controls) {
        ControlState s;
        s.text = gbk_from_utf8(c.caption);
        s.visible = c.visible;
        s.width = c.width;
        s.height = c.height;
        s.period = c.kind == ControlKind::Timer ? c.timer_period_ms : 0;
        s.due = clock_.elapsed_ms() + s.period;
        s.date = clock_.now();
        w.controls.emplace(std::string(c.name), std::move(s));
    }
    journal_.add("create " + std::string(window));
    router_.fire(window, {}, EventKind::Created);
}

bool MemoryUi::is_open(std::string_view window) const { return window_state_of(window).open; }

void MemoryUi::request_destroy(std::string_view window) {
    router_.request_destroy(window);
    router_.flush_destructions();
}

void MemoryUi::destroy_now(std::string_view window) {
    WindowState &w = window_state_of(window);
    if (!w.open)
        return;
    w.open = false;
    w.controls.clear();
    journal_.add("destroy " + std::string(window));
    const bool any_left = std::any_of(windows_.begin(), windows_.end(), [](const auto &e) { return e.second.open; });
    router_.window_gone(any_left);
}

void MemoryUi::run() {
    // Runs virtual time on until the program ends, in one-second steps; bounded so a test
    // that forgets to close a window fails instead of hanging.
    for (int i = 0; i < 100000 && !program_ended(); ++i)
        advance(1000);
}

bool MemoryUi::fire_due_timers() {
    // Each due timer fires once per pass: ticks that fell while the thread was blocked are
    // not made up. The next tick comes on the timer's grid after the current time.
    bool fired = false;
    const std::int64_t now = clock_.elapsed_ms();
    std::vector<std::pair<std::string, std::string>> due;
    for (auto &[wname, w] : windows_) {
        if (!w.open)
            continue;
        for (auto &[cname, c] : w.controls) {
            if (c.period > 0 && c.due <= now) {
                const std::int64_t periods = (now - c.due) / c.period + 1;
                c.due += periods * c.period;
                due.emplace_back(wname, cname);
            }
        }
    }
    for (const auto &[wname, cname] : due) {
        const WindowState &w = window_state_of(wname);
        if (!w.open)
            continue;
        router_.fire(wname, cname, EventKind::Periodic);
        fired = true;
    }
    return fired;
}

void MemoryUi::pump_messages() {
    journal_.add("pump");
    std::deque<std::function<void()>> waiting;
    waiting.swap(queue_);
    for (auto &f : waiting)
        f();
    fire_due_timers();
    router_.flush_destructions();
}

void MemoryUi::advance(std::int64_t ms) {
    const std::int64_t target = clock_.elapsed_ms() + ms;
    for (;;) {
        std::int64_t next = std::numeric_limits<std::int64_t>::max();
        for (const auto &[wname, w] : windows_)
            if (w.open)
                for (const auto &[cname, c] : w.controls)
                    if (c.period > 0)
                        next = std::min(next, c.due);
        if (next > target)
            break;
        if (next > clock_.elapsed_ms())
            clock_.advance_ms(next - clock_.elapsed_ms());
        fire_due_timers();
        router_.flush_destructions();
    }
    if (target > clock_.elapsed_ms())
        clock_.advance_ms(target - clock_.elapsed_ms());
}

bool MemoryUi::window_visible(std::string_view window) const {
    const WindowState &w = window_state_of(window);
    return w.open && w.visible;
}

void MemoryUi::set_window_visible(std::string_view window, bool visible) {
    WindowState &w = window_state_of(window);
    if (w.open)
        w.visible = visible;
}

int MemoryUi::window_state(std::string_view window) const { return window_state_of(window).state; }

void MemoryUi::set_window_state(std::string_view window, int state) {
    WindowState &w = window_state_of(window);
    if (!w.open || state < kNormal || state > kMaximised)
        return;
    if (state == kMinimised && !w.visible)
        return;
    if (state == kCentred) {
        w.rect.left = (screen_.width - w.rect.width) / 2;
        w.rect.top = (screen_.height - w.rect.height) / 2;
        w.state = kNormal;
        return;
    }
    w.state = state;
}

bool MemoryUi::always_on_top(std::string_view window) const { return window_state_of(window).on_top; }

void MemoryUi::set_always_on_top(std::string_view window, bool on_top) {
    WindowState &w = window_state_of(window);
    if (w.open)
        w.on_top = on_top;
}

Rect MemoryUi::window_rect(std::string_view window) const { return window_state_of(window).rect; }

void MemoryUi::move_window(std::string_view window, const Rect &rect) {
    WindowState &w = window_state_of(window);
    if (w.open)
        w.rect = rect;
}

Text MemoryUi::text(std::string_view window, std::string_view control) const {
    const ControlState *c = control_state(window, control);
    return c ? c->text : Text();
}

void MemoryUi::set_text(std::string_view window, std::string_view control, std::string_view gbk_text) {
    if (ControlState *c = control_state(window, control))
        c->text.assign(gbk_text);
}

bool MemoryUi::visible(std::string_view window, std::string_view control) const {
    const ControlState *c = control_state(window, control);
    return c && c->visible;
}

void MemoryUi::set_visible(std::string_view window, std::string_view control, bool visible) {
    if (ControlState *c = control_state(window, control))
        c->visible = visible;
}

int MemoryUi::width(std::string_view window, std::string_view control) const {
    const ControlState *c = control_state(window, control);
    return c ? c->width : 0;
}

void MemoryUi::set_width(std::string_view window, std::string_view control, int width) {
    if (ControlState *c = control_state(window, control))
        c->width = width;
}

int MemoryUi::height(std::string_view window, std::string_view control) const {
    const ControlState *c = control_state(window, control);
    return c ? c->height : 0;
}

void MemoryUi::set_height(std::string_view window, std::string_view control, int height) {
    if (ControlState *c = control_state(window, control))
        c->height = height;
}

int MemoryUi::timer_period(std::string_view window, std::string_view control) const {
    const ControlState *c = control_state(window, control);
    return c ? c->period : 0;
}

void MemoryUi::set_timer_period(std::string_view window, std::string_view control, int period_ms) {
    ControlState *c = control_state(window, control);
    if (c == nullptr || c->period == period_ms)
        return;
    c->period = std::max(period_ms, 0);
    c->due = clock_.elapsed_ms() + c->period;
}

DateTime MemoryUi::date_value(std::string_view window, std::string_view control) const {
    const ControlState *c = control_state(window, control);
    return c ? c->date : DateTime{};
}

void MemoryUi::set_date_value(std::string_view window, std::string_view control, const DateTime &value) {
    if (ControlState *c = control_state(window, control))
        c->date = value;
}

Text MemoryUi::address(std::string_view window, std::string_view control) const {
    const ControlState *c = control_state(window, control);
    return c ? c->address : Text();
}

void MemoryUi::set_address(std::string_view window, std::string_view control, std::string_view gbk_address) {
    if (ControlState *c = control_state(window, control)) {
        c->address.assign(gbk_address);
        journal_.add("navigate " + utf8_from_gbk(gbk_address));
    }
}

void MemoryUi::popup_menu(std::string_view window, std::string_view head, Point at) {
    const WindowDef &def = router_.window(window);
    PopupShown shown{std::string(window), std::string(head), at, {}};
    for (const MenuItemDef &m : def.menu)
        if (m.head == head)
            shown.items.emplace_back(m.caption);
    if (shown.items.empty())
        throw UnknownName(window, head);
    popups_.push_back(shown);
    std::string answer;
    if (!popup_answers_.empty()) {
        answer = popup_answers_.front();
        popup_answers_.pop_front();
    }
    if (answer.empty())
        return;
    if (std::find(shown.items.begin(), shown.items.end(), answer) == shown.items.end())
        throw UnknownName(window, answer);
    router_.fire_menu_item(window, answer);
}

void MemoryUi::set_control_look(int scheme) {
    control_look_ = scheme;
    journal_.add("look " + std::to_string(scheme));
}

void MemoryUi::add_balloon_tip(std::string_view window, std::string_view tips, std::string_view control,
                               std::string_view gbk_text) {
    router_.control(window, tips);
    router_.control(window, control);
    tips_.push_back(TipAttached{std::string(window), std::string(control), Text(gbk_text)});
    journal_.add("tip " + std::string(window) + "/" + std::string(control));
}

void MemoryUi::click(std::string_view window, std::string_view control) {
    router_.control(window, control);
    if (is_open(window))
        router_.fire(window, control, EventKind::Clicked);
}

void MemoryUi::press(std::string_view window, std::string_view control) {
    router_.control(window, control);
    if (is_open(window))
        router_.fire(window, control, EventKind::LeftButtonDown);
}

void MemoryUi::focus(std::string_view window, std::string_view control) {
    router_.control(window, control);
    if (is_open(window))
        router_.fire(window, control, EventKind::GotFocus);
}

void MemoryUi::close(std::string_view window) {
    if (is_open(window))
        request_destroy(window);
}

void MemoryUi::post_click(std::string_view window, std::string_view control) {
    router_.control(window, control);
    queue_.push_back([this, w = std::string(window), c = std::string(control)] { click(w, c); });
}

} // namespace tv::ui
