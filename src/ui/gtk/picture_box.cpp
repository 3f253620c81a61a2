#include "ui/gtk/picture_box.h"

#include "ui/gtk/label_painter.h"

#include <algorithm>
#include <gdkmm/general.h>
#include <glibmm/main.h>
#include <gtkmm/bin.h>
#include <webkit2/webkit2.h>

namespace tv::ui::gtk {

PictureBox::PictureBox(const std::filesystem::path &picture, int frame) : frame_(frame), picture_(picture) {}

void PictureBox::load() {
    loaded_ = true;
    try {
        if (!picture_.empty() && std::filesystem::is_regular_file(picture_)) {
            animation_ = Gdk::PixbufAnimation::create_from_file(picture_.string());
            iter_ = Glib::wrap(gdk_pixbuf_animation_get_iter(animation_->gobj(), nullptr));
            schedule_next_frame();
        }
    } catch (const Glib::Error &) {
        animation_.reset();
        iter_.reset();
    }
}

PictureBox::~PictureBox() {
    frame_timer_.disconnect();
}

void PictureBox::schedule_next_frame() {
    const int delay = iter_ ? iter_->get_delay_time() : -1;
    if (delay < 0)
        return; // a still picture, or the last frame of an animation that does not repeat
    frame_timer_ = Glib::signal_timeout().connect(sigc::mem_fun(*this, &PictureBox::next_frame),
                                                  static_cast<unsigned>(std::max(delay, 20)));
}

bool PictureBox::next_frame() {
    // Advances by the time that has passed, so a blocked thread does not slow the animation down.
    // Beneath the browser (the tools panel in the TV view) a new frame would only make GTK
    // redraw the covered area and decode the frame for nothing.
    if (gdk_pixbuf_animation_iter_advance(iter_->gobj(), nullptr) && get_is_drawable() && !under_browser())
        queue_draw();
    schedule_next_frame();
    return false;
}

bool PictureBox::under_browser() const {
    // The box sits in its control's slot; the slots lie in the window's layer, later ones above.
    const Gtk::Widget *slot = get_parent();
    const Gtk::Container *layer = slot == nullptr ? nullptr : slot->get_parent();
    if (layer == nullptr)
        return false;
    const Gtk::Allocation box = slot->get_allocation();
    bool above = false;
    for (const Gtk::Widget *sibling : layer->get_children()) {
        if (sibling == slot) {
            above = true;
            continue;
        }
        const auto *bin = dynamic_cast<const Gtk::Bin *>(sibling);
        if (!above || bin == nullptr || !sibling->get_visible() || bin->get_child() == nullptr ||
            !WEBKIT_IS_WEB_VIEW(bin->get_child()->gobj()))
            continue;
        const Gtk::Allocation top = sibling->get_allocation();
        if (top.get_x() <= box.get_x() && top.get_y() <= box.get_y() &&
            top.get_x() + top.get_width() >= box.get_x() + box.get_width() &&
            top.get_y() + top.get_height() >= box.get_y() + box.get_height())
            return true;
    }
    return false;
}

bool PictureBox::on_draw(const Cairo::RefPtr<Cairo::Context> &cr) {
    const int width = get_allocated_width(), height = get_allocated_height();
    const int inset = frame_thickness(frame_);
    paint_sunken_frame(cr, frame_, width, height);
    // The picture is read the first time it can be seen, not while a browser covers it.
    if (!loaded_ && !under_browser())
        load();
    if (iter_) {
        cr->save();
        cr->rectangle(inset, inset, width - 2 * inset, height - 2 * inset);
        cr->clip();
        Gdk::Cairo::set_source_pixbuf(cr, iter_->get_pixbuf(), inset, inset);
        cr->paint();
        cr->restore();
    }
    return true;
}

} // namespace tv::ui::gtk
