#pragma once
// A toplevel window built from its definition: borderless, centred, optionally rounded, with its
// controls placed and stacked, its background painted, drag-anywhere and Esc-closes behaviour,
// and the events of its controls routed to their handlers.
#include "ui/event_router.h"
#include "ui/gtk/control.h"
#include "ui/gtk/control_layer.h"
#include "ui/gtk/pointers.h"
#include "ui/ui.h"

#include <cairomm/surface.h>
#include <filesystem>
#include <gtkmm/window.h>
#include <map>
#include <memory>
#include <pangomm/fontdescription.h>
#include <string>
#include <vector>

namespace tv::ui::gtk {

struct WindowResources {
    std::filesystem::path assets_dir;
    PointerCache &pointers;
    Pango::FontDescription default_font;
    DateTime now;
    Size screen;
};

class PortalWindow : public Gtk::Window {
public:
    PortalWindow(const WindowDef &def, EventRouter &router, const WindowResources &resources);
    ~PortalWindow() override;
    PortalWindow(const PortalWindow &) = delete;
    PortalWindow &operator=(const PortalWindow &) = delete;

    const WindowDef &def() const { return def_; }
    Control &control(std::string_view name);
    const Control &control(std::string_view name) const;

    // The window's visibility as handlers set it; the window appears on screen once its created
    // handler has run (or at once when the handler asks for it).
    bool shown() const { return shown_; }
    void set_shown(bool shown);
    int state() const { return state_; }
    void set_state(int state, Size screen);
    bool on_top() const { return on_top_; }
    void set_on_top(bool on_top);
    Rect rect() const { return rect_; }
    // Moves and sizes the window; a rounded window gets the shape of its new size.
    void place(const Rect &rect);
    // A second load of the open window: restored if minimised, else brought to the front.
    void bring_back();

    void set_control_visible(Control &control, bool visible);
    void set_control_size(Control &control, int width, int height);
    void set_tip(Control &control, const std::string &utf8_text);

    // The window is being destroyed: its timers stop and it leaves the screen at once.
    void retire();

    // The name of the control whose widget takes a press at (x, y) of the window, by the
    // stacking of the widgets' windows on screen; empty where the window's background is hit.
    std::string control_at(int x, int y) const;

private:
    void build_controls(const WindowResources &resources);
    void focus_first_control();
    void connect_events(Control &control);
    void restack();
    void apply_window_functions();
    void ask_to_close();
    bool focus_is_empty_browser();
    bool on_slot_press(GdkEventButton *event, const Control &control);
    bool fire_press(GdkEventButton *event, const Control &control);
    void load_icons(const std::filesystem::path &icons_dir);

    bool on_draw(const Cairo::RefPtr<Cairo::Context> &cr) override;
    bool on_button_press_event(GdkEventButton *event) override;
    bool on_key_press_event(GdkEventKey *event) override;
    bool on_delete_event(GdkEventAny *event) override;
    bool on_window_state_event(GdkEventWindowState *event) override;
    bool on_configure_event(GdkEventConfigure *event) override;

    const WindowDef &def_;
    EventRouter &router_;
    ControlLayer *layer_; // belongs to the window, which destroys it with the controls
    std::map<std::string, std::unique_ptr<Control>, std::less<>> controls_;
    std::vector<Control *> bottom_to_top_;
    Cairo::RefPtr<Cairo::ImageSurface> background_;
    bool shown_ = true;
    int state_ = kNormal;
    bool on_top_ = false;
    Rect rect_;
    bool retired_ = false;
};

} // namespace tv::ui::gtk
