#pragma once
// The absolute layout of a window's controls: each child gets exactly its rectangle, whatever
// size it would ask for, and the layer asks for no size of its own (the window's size is fixed).
// Children added later lie above those added before.
#include "ui/ui.h"

#include <gtkmm/fixed.h>
#include <map>

namespace tv::ui::gtk {

class ControlLayer : public Gtk::Fixed {
public:
    void place(Gtk::Widget &child, const Rect &rect);
    void set_rect(Gtk::Widget &child, const Rect &rect);

private:
    void get_preferred_width_vfunc(int &minimum, int &natural) const override;
    void get_preferred_height_vfunc(int &minimum, int &natural) const override;
    void on_size_allocate(Gtk::Allocation &allocation) override;
    void on_remove(Gtk::Widget *child) override;

    std::map<Gtk::Widget *, Rect> rects_;
};

} // namespace tv::ui::gtk
