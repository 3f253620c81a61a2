#include "ui/gtk/portal_window.h"

#include "ui/gtk/control_factory.h"
#include "ui/gtk/date_box.h"
#include "ui/gtk/jpeg_picture.h"
#include "ui/gtk/label_widget.h"
#include "ui/gtk/window_shape.h"

#include <algorithm>
#include <array>
#include <gdk/gdkkeysyms.h>
#include <gdkmm/general.h>
#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/eventbox.h>

namespace tv::ui::gtk {
namespace {

// Sizes of an icon offered as icons/<name>-<size>.png when icons/<name>.png does not exist.
constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

bool is_left_press(const GdkEventButton *event) {
    return event->type == GDK_BUTTON_PRESS && event->button == 1;
}

Rect centred(Size screen, int width, int height) {
    return Rect{(screen.width - width) / 2, (screen.height - height) / 2, width, height};
}

} // namespace

PortalWindow::PortalWindow(const WindowDef &def, EventRouter &router, const WindowResources &resources)
    : def_(def), router_(router), layer_(Gtk::manage(new ControlLayer)), on_top_(def.always_on_top),
      rect_(centred(resources.screen, def.width, def.height)) {
    set_title(std::string(def.caption));
    set_decorated(false);
    set_resizable(false);
    set_app_paintable(true); // on_draw paints the background itself
    set_size_request(def.width, def.height);
    set_default_size(def.width, def.height);
    move(rect_.left, rect_.top);
    set_skip_taskbar_hint(!def.in_taskbar);
    set_keep_above(def.always_on_top);
    add_events(Gdk::BUTTON_PRESS_MASK | Gdk::KEY_PRESS_MASK | Gdk::STRUCTURE_MASK);
    load_icons(resources.assets_dir / "icons");
    if (!def.background_picture.empty())
        background_ = load_jpeg(resources.assets_dir / def.background_picture);
    if (def.shape == Shape::RoundedRectangle) {
        auto region = rounded_window_region(def.width, def.height);
        shape_combine_region(region);
        input_shape_combine_region(region);
    }

    build_controls(resources);
    layer_->show();
    add(*layer_);
    focus_first_control();
    signal_realize().connect([this] {
        apply_window_functions();
        restack();
    });
}

PortalWindow::~PortalWindow() {
    retire();
}

void PortalWindow::load_icons(const std::filesystem::path &icons_dir) {
    if (def_.icon.empty())
        return;
    const std::string name(def_.icon);
    std::vector<Glib::RefPtr<Gdk::Pixbuf>> icons;
    const auto add = [&](const std::filesystem::path &file) {
        if (!std::filesystem::is_regular_file(file))
            return;
        try {
            icons.push_back(Gdk::Pixbuf::create_from_file(file.string()));
        } catch (const Glib::Error &) {
        }
    };
    add(icons_dir / (name + ".png"));
    if (icons.empty())
        for (int size : kIconSizes)
            add(icons_dir / (name + "-" + std::to_string(size) + ".png"));
    if (!icons.empty())
        set_icon_list(icons);
}

void PortalWindow::build_controls(const WindowResources &resources) {
    const ControlResources control_resources{resources.assets_dir, resources.pointers, resources.default_font,
                                             resources.now};
    for (const ControlDef &def : def_.controls) {
        const std::string window_id(def_.id), name(def.name);
        auto control = build_control(def, control_resources, [this, window_id, name] {
            if (!retired_)
                router_.fire(window_id, name, EventKind::Periodic);
        });
        controls_.emplace(name, std::move(control));
    }
    // Bottom-most first: controls the stacking order leaves out, then the order reversed.
    for (const ControlDef &def : def_.controls) {
        Control &c = *controls_.find(def.name)->second;
        if (c.slot != nullptr && std::find(def_.stacking.begin(), def_.stacking.end(), def.name) == def_.stacking.end())
            bottom_to_top_.push_back(&c);
    }
    for (auto it = def_.stacking.rbegin(); it != def_.stacking.rend(); ++it) {
        const auto found = controls_.find(*it);
        if (found != controls_.end() && found->second->slot != nullptr)
            bottom_to_top_.push_back(found->second.get());
    }
    for (Control *c : bottom_to_top_) {
        const ControlDef &d = *c->def;
        layer_->place(*c->slot, Rect{d.left, d.top, d.width, d.height});
        connect_events(*c);
    }
}

// The keyboard focus starts on the first control of the definition that takes it, as the tab
// order goes, rather than wherever GTK's own focus chain would put it.
void PortalWindow::focus_first_control() {
    for (const ControlDef &def : def_.controls) {
        const Control &c = *controls_.find(def.name)->second;
        if (!c.visible)
            continue;
        Gtk::Widget *target = c.button != nullptr     ? static_cast<Gtk::Widget *>(c.button)
                              : c.entry != nullptr    ? c.entry
                              : c.date_box != nullptr ? &c.date_box->field()
                              : c.browser             ? &c.browser->widget()
                                                      : nullptr;
        if (target != nullptr) {
            set_focus(*target);
            return;
        }
    }
}

void PortalWindow::connect_events(Control &control) {
    const std::string window_id(def_.id), name(control.def->name);
    const auto fire = [this, window_id, name](EventKind kind) { router_.fire(window_id, name, kind); };
    const auto press = [this, &control](GdkEventButton *event) { return fire_press(event, control); };
    switch (control.def->kind) {
    case ControlKind::Button:
        control.button->signal_clicked().connect([fire] { fire(EventKind::Clicked); });
        control.button->signal_button_press_event().connect(press, false);
        break;
    case ControlKind::EditBox:
        control.entry->signal_focus_in_event().connect([fire](GdkEventFocus *) {
            fire(EventKind::GotFocus);
            return false;
        });
        control.entry->signal_button_press_event().connect(press, false);
        break;
    case ControlKind::DateBox:
        control.date_box->field().signal_button_press_event().connect(press, false);
        break;
    case ControlKind::Label:
    case ControlKind::TransparentLabel:
    case ControlKind::PictureBox:
        control.slot->signal_button_press_event().connect(
            [this, &control](GdkEventButton *event) { return on_slot_press(event, control); }, false);
        break;
    default:
        break;
    }
}

// Presses on buttons, edit boxes and the date box raise the event and then go on to the widget.
bool PortalWindow::fire_press(GdkEventButton *event, const Control &control) {
    if (is_left_press(event))
        router_.fire(def_.id, control.def->name, EventKind::LeftButtonDown);
    return false;
}

bool PortalWindow::on_slot_press(GdkEventButton *event, const Control &control) {
    if (!is_left_press(event))
        return event->button == 1;
    if (def_.drag_anywhere && drags_window(control.def->kind)) {
        begin_move_drag(static_cast<int>(event->button), static_cast<int>(event->x_root),
                        static_cast<int>(event->y_root), event->time);
        return true;
    }
    router_.fire(def_.id, control.def->name, EventKind::LeftButtonDown);
    return true;
}

bool PortalWindow::on_button_press_event(GdkEventButton *event) {
    // Only presses on the window's own background; presses a control did not take are ignored.
    if (event->window == get_window()->gobj() && is_left_press(event) && def_.drag_anywhere) {
        begin_move_drag(static_cast<int>(event->button), static_cast<int>(event->x_root),
                        static_cast<int>(event->y_root), event->time);
        return true;
    }
    return Gtk::Window::on_button_press_event(event);
}

bool PortalWindow::on_key_press_event(GdkEventKey *event) {
    const bool closing_key = event->keyval == GDK_KEY_Escape && def_.esc_closes;
    // The focused control sees the key first. A browser with a page takes every key and hands
    // back those the page does not use; one that has loaded nothing has no page to ask.
    if (!(closing_key && focus_is_empty_browser()) && Gtk::Window::on_key_press_event(event))
        return true;
    if (closing_key) {
        ask_to_close();
        return true;
    }
    return false;
}

bool PortalWindow::focus_is_empty_browser() {
    const Gtk::Widget *focus = get_focus();
    for (const auto &[name, c] : controls_)
        if (c->browser && focus == &c->browser->widget())
            return c->browser->uri().empty();
    return false;
}

bool PortalWindow::on_delete_event(GdkEventAny *) {
    ask_to_close();
    return true; // the window goes when the request is carried out
}

void PortalWindow::ask_to_close() {
    if (retired_)
        return;
    router_.request_destroy(def_.id);
    router_.flush_destructions();
}

bool PortalWindow::on_window_state_event(GdkEventWindowState *event) {
    const auto now = event->new_window_state;
    if (now & GDK_WINDOW_STATE_ICONIFIED)
        state_ = kMinimised;
    else if (now & GDK_WINDOW_STATE_MAXIMIZED)
        state_ = kMaximised;
    else if (event->changed_mask & (GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_MAXIMIZED))
        state_ = kNormal;
    return Gtk::Window::on_window_state_event(event);
}

bool PortalWindow::on_configure_event(GdkEventConfigure *event) {
    // The user dragged the window, or the window manager placed it.
    int x = 0, y = 0;
    get_position(x, y);
    rect_.left = x;
    rect_.top = y;
    return Gtk::Window::on_configure_event(event);
}

bool PortalWindow::on_draw(const Cairo::RefPtr<Cairo::Context> &cr) {
    const int width = get_allocated_width(), height = get_allocated_height();
    if (def_.background) {
        cr->set_source_rgb(def_.background->r / 255.0, def_.background->g / 255.0, def_.background->b / 255.0);
        cr->paint();
    } else {
        get_style_context()->render_background(cr, 0, 0, width, height);
    }
    if (background_) {
        auto pattern = Cairo::SurfacePattern::create(background_);
        pattern->set_extend(Cairo::EXTEND_REPEAT);
        cr->set_source(pattern);
        cr->paint();
    }
    return Gtk::Window::on_draw(cr);
}

void PortalWindow::apply_window_functions() {
    auto functions = Gdk::FUNC_MOVE | Gdk::FUNC_CLOSE;
    if (def_.minimize_allowed)
        functions |= Gdk::FUNC_MINIMIZE;
    if (def_.maximize_allowed)
        functions |= Gdk::FUNC_MAXIMIZE;
    get_window()->set_functions(functions);
}

// Every control's box gets its own window now, raised from the bottom up, so that the stacking
// order holds for drawing and input, also for controls that are shown only later.
void PortalWindow::restack() {
    for (Control *c : bottom_to_top_) {
        gtk_widget_realize(GTK_WIDGET(c->slot->gobj()));
        if (auto w = c->slot->get_window())
            w->raise();
    }
}

Control &PortalWindow::control(std::string_view name) {
    const auto it = controls_.find(name);
    if (it == controls_.end())
        throw UnknownName(def_.id, name);
    return *it->second;
}

const Control &PortalWindow::control(std::string_view name) const {
    const auto it = controls_.find(name);
    if (it == controls_.end())
        throw UnknownName(def_.id, name);
    return *it->second;
}

void PortalWindow::set_shown(bool shown) {
    shown_ = shown;
    if (retired_)
        return;
    if (shown)
        show();
    else
        hide();
}

void PortalWindow::set_state(int state, Size screen) {
    switch (state) {
    case kMinimised:
        if (!shown_)
            return;
        state_ = kMinimised;
        iconify();
        break;
    case kNormal:
        state_ = kNormal;
        deiconify();
        unmaximize();
        break;
    case kMaximised:
        if (!def_.maximize_allowed)
            return;
        state_ = kMaximised;
        maximize();
        break;
    case kCentred:
        state_ = kNormal;
        place(centred(screen, rect_.width, rect_.height));
        break;
    default:
        break;
    }
}

void PortalWindow::set_on_top(bool on_top) {
    on_top_ = on_top;
    set_keep_above(on_top);
}

void PortalWindow::place(const Rect &rect) {
    const bool resized = rect.width != rect_.width || rect.height != rect_.height;
    rect_ = rect;
    move(rect.left, rect.top);
    if (!resized)
        return;
    set_size_request(std::max(rect.width, 1), std::max(rect.height, 1));
    resize(std::max(rect.width, 1), std::max(rect.height, 1));
    if (def_.shape == Shape::RoundedRectangle) {
        auto region = rounded_window_region(rect.width, rect.height);
        shape_combine_region(region);
        input_shape_combine_region(region);
    }
}

void PortalWindow::bring_back() {
    if (state_ == kMinimised) {
        state_ = kNormal;
        deiconify();
    } else {
        present();
    }
}

void PortalWindow::set_control_visible(Control &control, bool visible) {
    control.visible = visible;
    if (control.slot != nullptr)
        control.slot->set_visible(visible);
}

void PortalWindow::set_control_size(Control &control, int width, int height) {
    control.width = width;
    control.height = height;
    if (control.slot != nullptr)
        layer_->set_rect(*control.slot, Rect{control.def->left, control.def->top, width, height});
}

void PortalWindow::set_tip(Control &control, const std::string &utf8_text) {
    if (control.slot != nullptr)
        control.slot->set_tooltip_text(utf8_text);
}

void PortalWindow::retire() {
    if (retired_)
        return;
    retired_ = true;
    for (auto &[name, control] : controls_)
        if (control->timer)
            control->timer->stop();
    hide();
}

std::string PortalWindow::control_at(int x, int y) const {
    const auto window = get_window();
    if (!window || !is_visible())
        return {};
    // GDK lists a window's children topmost first.
    for (GList *l = gdk_window_peek_children(const_cast<GdkWindow *>(window->gobj())); l != nullptr; l = l->next) {
        auto *child = static_cast<GdkWindow *>(l->data);
        if (!gdk_window_is_visible(child))
            continue;
        int cx = 0, cy = 0, cw = 0, ch = 0;
        gdk_window_get_geometry(child, &cx, &cy, &cw, &ch);
        if (x < cx || y < cy || x >= cx + cw || y >= cy + ch)
            continue;
        gpointer owner = nullptr;
        gdk_window_get_user_data(child, &owner);
        for (const Control *c : bottom_to_top_)
            if (owner == c->slot->gobj())
                return std::string(c->def->name);
    }
    return {};
}

} // namespace tv::ui::gtk
