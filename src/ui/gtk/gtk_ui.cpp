#include "ui/gtk/gtk_ui.h"

#include "core/gbk_convert.h"
#include "ui/gtk/date_box.h"
#include "ui/gtk/fonts.h"
#include "ui/gtk/label_widget.h"
#include "ui/gtk/popup_menu.h"
#include "ui/gtk/portal_window.h"
#include "ui/gtk/styles.h"

#include <ctime>
#include <gdkmm/display.h>
#include <gdkmm/monitor.h>
#include <gdkmm/seat.h>
#include <glibmm/main.h>
#include <gtkmm/button.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/entry.h>
#include <gtkmm/eventbox.h>
#include <gtkmm/main.h>
#include <gtkmm/stylecontext.h>
#include <stdexcept>

namespace tv::ui {
namespace {

constexpr int kMaxEventsPerPass = 200;
// Screen-wide sheets: the look outranks the base sheet; per-control sheets outrank both.
constexpr int kBasePriority = GTK_STYLE_PROVIDER_PRIORITY_APPLICATION;
constexpr int kLookPriority = GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1;

DateTime local_now() {
    const std::time_t t = std::time(nullptr);
    std::tm parts{};
    localtime_r(&t, &parts);
    return DateTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                    parts.tm_hour,        parts.tm_min,     std::min(parts.tm_sec, 59)};
}

Glib::RefPtr<Gtk::CssProvider> add_screen_sheet(const std::string &css, int priority) {
    auto provider = Gtk::CssProvider::create();
    try {
        provider->load_from_data(css);
    } catch (const Glib::Error &) {
        return {};
    }
    Gtk::StyleContext::add_provider_for_screen(Gdk::Screen::get_default(), provider, priority);
    return provider;
}

} // namespace

bool gtk_init_toolkit() {
    // X11 first: windows are placed at computed positions and shaped, which Wayland does not allow.
    gdk_set_allowed_backends("x11,*");
    if (!gtk_init_check(nullptr, nullptr))
        return false;
    Gtk::Main::init_gtkmm_internals();
    return true;
}

GtkUi::GtkUi(std::span<const WindowDef *const> catalogue, std::filesystem::path assets_dir)
    : router_(catalogue), catalogue_(catalogue), assets_dir_(std::move(assets_dir)),
      pointers_(assets_dir_ / "pointers") {
    if (!Gdk::Screen::get_default())
        throw std::runtime_error("no display: call gtk_init_toolkit() first, with DISPLAY set");
    gtk::load_font_aliases(assets_dir_ / "fonts" / "60-tvportal-aliases.conf");
    router_.set_destroyer([this](std::string_view id) { destroy_now(id); });
    base_styles_ = add_screen_sheet(gtk::base_css(), kBasePriority);
    install_menu_styles();
}

GtkUi::~GtkUi() {
    retire_idle_.disconnect();
    for (auto &[id, window] : windows_)
        window->retire();
    windows_.clear();
    retired_.clear();
    const auto screen = Gdk::Screen::get_default();
    for (const auto &provider : menu_styles_)
        Gtk::StyleContext::remove_provider_for_screen(screen, provider);
    if (look_styles_)
        Gtk::StyleContext::remove_provider_for_screen(screen, look_styles_);
    if (base_styles_)
        Gtk::StyleContext::remove_provider_for_screen(screen, base_styles_);
}

std::string GtkUi::menu_class(std::string_view window) const {
    for (std::size_t i = 0; i < catalogue_.size(); ++i)
        if (catalogue_[i]->id == window)
            return "tv-menu-" + std::to_string(i);
    return {};
}

void GtkUi::install_menu_styles() {
    for (const WindowDef *def : catalogue_) {
        for (const ControlDef &c : def->controls) {
            if (c.kind != ControlKind::MenuStyler)
                continue;
            if (auto provider =
                    add_screen_sheet(gtk::menu_css(menu_class(def->id), c.menu_colors, c.font), kLookPriority))
                menu_styles_.push_back(provider);
            break;
        }
    }
}

gtk::PortalWindow *GtkUi::open_window(std::string_view window) const {
    router_.window(window); // unknown ids fail loudly
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

gtk::Control *GtkUi::open_control(std::string_view window, std::string_view control) const {
    router_.control(window, control); // unknown names fail loudly, open or not
    gtk::PortalWindow *w = open_window(window);
    return w == nullptr ? nullptr : &w->control(control);
}

void GtkUi::load_window(std::string_view window) {
    const WindowDef &def = router_.window(window);
    if (gtk::PortalWindow *open = open_window(window)) {
        open->bring_back();
        return;
    }
    const gtk::WindowResources resources{assets_dir_, pointers_, gtk::default_gui_font(), local_now(), screen_size()};
    auto created = std::make_unique<gtk::PortalWindow>(def, router_, resources);
    gtk::PortalWindow *raw = created.get();
    windows_.emplace(std::string(window), std::move(created));
    router_.fire(window, {}, EventKind::Created);
    // The window appears once its created handler is done, unless the handler hid or closed it.
    if (open_window(window) == raw && raw->shown() && !raw->get_visible())
        raw->show();
}

bool GtkUi::is_open(std::string_view window) const {
    return open_window(window) != nullptr;
}

void GtkUi::request_destroy(std::string_view window) {
    router_.request_destroy(window);
    router_.flush_destructions();
}

void GtkUi::destroy_now(std::string_view window) {
    const auto it = windows_.find(window);
    if (it == windows_.end())
        return;
    std::unique_ptr<gtk::PortalWindow> gone = std::move(it->second);
    windows_.erase(it);
    gone->retire();
    // The widgets may be in the middle of the event that closed them: delete them afterwards.
    retired_.push_back(std::move(gone));
    if (!retire_idle_.connected())
        retire_idle_ = Glib::signal_idle().connect([this] {
            retired_.clear();
            return false;
        });
    router_.window_gone(!windows_.empty());
}

void GtkUi::run() {
    while (!router_.program_ended() && !windows_.empty())
        g_main_context_iteration(nullptr, TRUE);
}

void GtkUi::pump_messages() {
    for (int i = 0; i < kMaxEventsPerPass && g_main_context_pending(nullptr); ++i)
        g_main_context_iteration(nullptr, FALSE);
    router_.flush_destructions();
}

bool GtkUi::window_visible(std::string_view window) const {
    const gtk::PortalWindow *w = open_window(window);
    return w != nullptr && w->shown();
}

void GtkUi::set_window_visible(std::string_view window, bool visible) {
    if (gtk::PortalWindow *w = open_window(window))
        w->set_shown(visible);
}

int GtkUi::window_state(std::string_view window) const {
    const gtk::PortalWindow *w = open_window(window);
    return w == nullptr ? kNormal : w->state();
}

void GtkUi::set_window_state(std::string_view window, int state) {
    if (gtk::PortalWindow *w = open_window(window))
        w->set_state(state, screen_size());
}

bool GtkUi::always_on_top(std::string_view window) const {
    const gtk::PortalWindow *w = open_window(window);
    return w != nullptr && w->on_top();
}

void GtkUi::set_always_on_top(std::string_view window, bool on_top) {
    if (gtk::PortalWindow *w = open_window(window))
        w->set_on_top(on_top);
}

Rect GtkUi::window_rect(std::string_view window) const {
    const gtk::PortalWindow *w = open_window(window);
    return w == nullptr ? Rect{} : w->rect();
}

void GtkUi::move_window(std::string_view window, const Rect &rect) {
    if (gtk::PortalWindow *w = open_window(window))
        w->place(rect);
}

Text GtkUi::text(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return {};
    if (c->entry != nullptr)
        return gbk_from_utf8(c->entry->get_text().raw());
    return c->text;
}

void GtkUi::set_text(std::string_view window, std::string_view control, std::string_view gbk_text) {
    gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return;
    c->text.assign(gbk_text);
    const std::string utf8 = utf8_from_gbk(gbk_text);
    if (c->label != nullptr)
        c->label->set_caption(utf8);
    else if (c->button != nullptr)
        c->button->set_label(utf8);
    else if (c->entry != nullptr)
        c->entry->set_text(utf8);
}

bool GtkUi::visible(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    return c != nullptr && c->visible;
}

void GtkUi::set_visible(std::string_view window, std::string_view control, bool visible) {
    if (gtk::Control *c = open_control(window, control))
        open_window(window)->set_control_visible(*c, visible);
}

int GtkUi::width(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    return c == nullptr ? 0 : c->width;
}

void GtkUi::set_width(std::string_view window, std::string_view control, int width) {
    if (gtk::Control *c = open_control(window, control))
        open_window(window)->set_control_size(*c, width, c->height);
}

int GtkUi::height(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    return c == nullptr ? 0 : c->height;
}

void GtkUi::set_height(std::string_view window, std::string_view control, int height) {
    if (gtk::Control *c = open_control(window, control))
        open_window(window)->set_control_size(*c, c->width, height);
}

int GtkUi::timer_period(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return 0;
    return c->timer ? c->timer->period() : c->period;
}

void GtkUi::set_timer_period(std::string_view window, std::string_view control, int period_ms) {
    gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return;
    if (c->timer)
        c->timer->set_period(period_ms);
    else
        c->period = std::max(period_ms, 0);
}

DateTime GtkUi::date_value(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return DateTime{};
    return c->date_box != nullptr ? c->date_box->value() : c->date;
}

void GtkUi::set_date_value(std::string_view window, std::string_view control, const DateTime &value) {
    gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return;
    c->date = value;
    if (c->date_box != nullptr)
        c->date_box->set_value_of_date(value);
}

Text GtkUi::address(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    return c == nullptr ? Text() : c->address;
}

void GtkUi::set_address(std::string_view window, std::string_view control, std::string_view gbk_address) {
    gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return;
    c->address.assign(gbk_address);
    if (c->browser)
        c->browser->load(utf8_from_gbk(gbk_address));
}

void GtkUi::popup_menu(std::string_view window, std::string_view head, Point at) {
    const WindowDef &def = router_.window(window);
    std::vector<std::string> captions;
    for (const MenuItemDef &m : def.menu)
        if (m.head == head)
            captions.emplace_back(m.caption);
    if (captions.empty())
        throw UnknownName(window, head);
    gtk::PortalWindow *owner = open_window(window);
    const auto chosen =
        gtk::run_popup_menu(captions, owner, at, menu_class(window), [this](Gtk::Menu *menu) { open_popup_ = menu; });
    open_popup_ = nullptr;
    if (chosen)
        router_.fire_menu_item(window, *chosen);
}

Point GtkUi::mouse_position() const {
    const auto display = Gdk::Display::get_default();
    if (!display)
        return {};
    const auto pointer = display->get_default_seat()->get_pointer();
    if (!pointer)
        return {};
    int x = 0, y = 0;
    pointer->get_position(x, y);
    return Point{x, y};
}

Size GtkUi::screen_size() const {
    const auto display = Gdk::Display::get_default();
    if (!display)
        return {};
    auto monitor = display->get_primary_monitor();
    if (!monitor)
        monitor = display->get_monitor(0);
    if (!monitor)
        return {};
    Gdk::Rectangle geometry;
    monitor->get_geometry(geometry);
    return Size{geometry.get_width(), geometry.get_height()};
}

void GtkUi::set_control_look(int scheme) {
    control_look_ = scheme;
    const auto screen = Gdk::Screen::get_default();
    if (look_styles_)
        Gtk::StyleContext::remove_provider_for_screen(screen, look_styles_);
    look_styles_.reset();
    const std::string css = gtk::control_look_css(scheme);
    if (!css.empty())
        look_styles_ = add_screen_sheet(css, kLookPriority);
}

void GtkUi::add_balloon_tip(std::string_view window, std::string_view tips, std::string_view control,
                            std::string_view gbk_text) {
    router_.control(window, tips);
    gtk::Control *c = open_control(window, control);
    if (c != nullptr)
        open_window(window)->set_tip(*c, utf8_from_gbk(gbk_text));
}

std::string GtkUi::control_at(std::string_view window, int x, int y) const {
    const gtk::PortalWindow *w = open_window(window);
    return w == nullptr ? std::string() : w->control_at(x, y);
}

Gtk::Window *GtkUi::toplevel(std::string_view window) const {
    return open_window(window);
}

Gtk::Widget *GtkUi::widget(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    if (c == nullptr)
        return nullptr;
    if (c->button != nullptr)
        return c->button;
    if (c->entry != nullptr)
        return c->entry;
    if (c->date_box != nullptr)
        return c->date_box;
    if (c->label != nullptr)
        return c->label;
    if (c->browser)
        return &c->browser->widget();
    return c->slot;
}

std::string GtkUi::browser_uri(std::string_view window, std::string_view control) const {
    const gtk::Control *c = open_control(window, control);
    return c != nullptr && c->browser ? c->browser->uri() : std::string();
}

} // namespace tv::ui
