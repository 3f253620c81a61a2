#include "ui/gtk/popup_menu.h"

#include <glib.h>
#include <gtk/gtk.h>
#include <gtkmm/label.h>
#include <gtkmm/menuitem.h>

namespace tv::ui::gtk {

std::optional<std::string> run_popup_menu(const std::vector<std::string> &captions, Gtk::Window *owner, Point at,
                                          std::string_view css_class,
                                          const std::function<void(Gtk::Menu *)> &on_shown) {
    Gtk::Menu menu;
    if (!css_class.empty())
        menu.get_style_context()->add_class(std::string(css_class));
    std::optional<std::string> chosen;
    for (const std::string &caption : captions) {
        auto *item = Gtk::manage(new Gtk::MenuItem(caption, false));
        if (auto *label = dynamic_cast<Gtk::Label *>(item->get_child()))
            label->set_xalign(0.0f);
        item->signal_activate().connect([&chosen, caption] { chosen = caption; });
        menu.append(*item);
    }
    menu.show_all();

    bool done = false;
    menu.signal_deactivate().connect([&done] { done = true; });
    menu.signal_hide().connect([&done] { done = true; });

    Glib::RefPtr<Gdk::Window> anchor;
    int origin_x = 0, origin_y = 0;
    if (owner != nullptr && owner->get_realized() && owner->get_visible()) {
        anchor = owner->get_window();
        anchor->get_origin(origin_x, origin_y);
        menu.attach_to_widget(*owner);
    } else {
        anchor = Gdk::Screen::get_default()->get_root_window();
    }
    // The popup grabs the pointer of the event that opened it; a popup opened outside any input
    // event (a timer, a test) uses the default pointer.
    GdkEvent *trigger = gtk_get_current_event();
    if (trigger == nullptr) {
        trigger = gdk_event_new(GDK_BUTTON_PRESS);
        trigger->button.window = GDK_WINDOW(g_object_ref(anchor->gobj()));
        trigger->button.time = GDK_CURRENT_TIME;
        trigger->button.button = 1;
        gdk_event_set_device(trigger, gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())));
    }
    menu.popup_at_rect(anchor, Gdk::Rectangle(at.x - origin_x, at.y - origin_y, 1, 1), Gdk::GRAVITY_NORTH_WEST,
                       Gdk::GRAVITY_NORTH_WEST, trigger);
    gdk_event_free(trigger);
    if (!menu.get_visible())
        return std::nullopt; // the popup could not be shown (no pointer grab)
    if (on_shown)
        on_shown(&menu);
    // An item's activation comes with the menu's deactivation, in the same event.
    while (!done)
        g_main_context_iteration(nullptr, TRUE);
    if (on_shown)
        on_shown(nullptr);
    if (menu.get_attach_widget() != nullptr)
        menu.detach();
    return chosen;
}

} // namespace tv::ui::gtk
