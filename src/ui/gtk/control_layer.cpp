#include "ui/gtk/control_layer.h"

#include <algorithm>

namespace tv::ui::gtk {

void ControlLayer::place(Gtk::Widget &child, const Rect &rect) {
    rects_[&child] = rect;
    put(child, rect.left, rect.top);
}

void ControlLayer::set_rect(Gtk::Widget &child, const Rect &rect) {
    rects_[&child] = rect;
    queue_resize();
}

void ControlLayer::on_remove(Gtk::Widget *child) {
    rects_.erase(child);
    Gtk::Fixed::on_remove(child);
}

void ControlLayer::get_preferred_width_vfunc(int &minimum, int &natural) const {
    minimum = natural = 0;
}

void ControlLayer::get_preferred_height_vfunc(int &minimum, int &natural) const {
    minimum = natural = 0;
}

void ControlLayer::on_size_allocate(Gtk::Allocation &allocation) {
    set_allocation(allocation);
    for (const auto &[child, rect] : rects_) {
        if (!child->get_visible())
            continue;
        // GTK expects the preferred size to be asked before a child is allocated.
        int min_w = 0, nat_w = 0, min_h = 0, nat_h = 0;
        child->get_preferred_width(min_w, nat_w);
        child->get_preferred_height(min_h, nat_h);
        Gtk::Allocation child_allocation(allocation.get_x() + rect.left, allocation.get_y() + rect.top,
                                         std::max(rect.width, 1), std::max(rect.height, 1));
        child->size_allocate(child_allocation);
    }
}

} // namespace tv::ui::gtk
