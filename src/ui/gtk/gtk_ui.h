#pragma once
// The toolkit seam on GTK 3 (gtkmm) and WebKitGTK: real windows for the window definitions.
#include "ui/event_router.h"
#include "ui/gtk/pointers.h"
#include "ui/ui.h"

#include <filesystem>
#include <glibmm/refptr.h>
#include <map>
#include <memory>
#include <sigc++/connection.h>
#include <span>
#include <string>
#include <vector>

namespace Gtk {
class CssProvider;
class Menu;
class Widget;
class Window;
} // namespace Gtk

namespace tv::ui {

// Initialises GTK (X11 preferred, so windows can be placed and shaped) and gtkmm. Call once,
// before constructing GtkUi. Returns false when no display can be opened.
bool gtk_init_toolkit();

namespace gtk {
class PortalWindow;
struct Control;
} // namespace gtk

class GtkUi : public Ui {
public:
    // assets_dir holds the pictures, icons, pointers and fonts/60-tvportal-aliases.conf.
    // Throws std::runtime_error when GTK has no display.
    GtkUi(std::span<const WindowDef *const> catalogue, std::filesystem::path assets_dir);
    ~GtkUi() override;
    GtkUi(const GtkUi &) = delete;
    GtkUi &operator=(const GtkUi &) = delete;

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
    Point mouse_position() const override;
    Size screen_size() const override;
    void set_control_look(int scheme) override;
    void add_balloon_tip(std::string_view window, std::string_view tips, std::string_view control,
                         std::string_view gbk_text) override;

    // --- inspection, for tests and visual checks ---
    bool program_ended() const { return router_.program_ended(); }
    int control_look() const { return control_look_; }
    // The control whose widget takes input at (x, y) of an open window; empty for the background.
    std::string control_at(std::string_view window, int x, int y) const;
    // The toplevel of an open window, or null.
    Gtk::Window *toplevel(std::string_view window) const;
    // The widget of a control of an open window (buttons, edit boxes, ...), or null.
    Gtk::Widget *widget(std::string_view window, std::string_view control) const;
    // The address the browser control is showing or loading (UTF-8), empty before any load.
    std::string browser_uri(std::string_view window, std::string_view control) const;
    // The popup menu while one is up, else null.
    Gtk::Menu *open_popup() const { return open_popup_; }

private:
    gtk::PortalWindow *open_window(std::string_view window) const;
    gtk::Control *open_control(std::string_view window, std::string_view control) const;
    void destroy_now(std::string_view window);
    void install_menu_styles();
    std::string menu_class(std::string_view window) const;

    EventRouter router_;
    std::span<const WindowDef *const> catalogue_;
    std::filesystem::path assets_dir_;
    gtk::PointerCache pointers_;
    std::map<std::string, std::unique_ptr<gtk::PortalWindow>, std::less<>> windows_;
    // Destroyed windows wait here until the event that destroyed them has been handled.
    std::vector<std::unique_ptr<gtk::PortalWindow>> retired_;
    Glib::RefPtr<Gtk::CssProvider> base_styles_;
    Glib::RefPtr<Gtk::CssProvider> look_styles_;
    std::vector<Glib::RefPtr<Gtk::CssProvider>> menu_styles_;
    sigc::connection retire_idle_;
    int control_look_ = 0;
    Gtk::Menu *open_popup_ = nullptr;
};

} // namespace tv::ui
