#include "ui/gtk/picture_box.h"

#include "ui/gtk/label_painter.h"

#include <algorithm>
#include <gdkmm/general.h>
#include <glibmm/main.h>

namespace tv::ui::gtk {

PictureBox::PictureBox(const std::filesystem::path &picture, int frame) : frame_(frame) {
    try {
        if (!picture.empty() && std::filesystem::is_regular_file(picture)) {
            animation_ = Gdk::PixbufAnimation::create_from_file(picture.string());
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
    if (gdk_pixbuf_animation_iter_advance(iter_->gobj(), nullptr) && get_is_drawable())
        queue_draw();
    schedule_next_frame();
    return false;
}

bool PictureBox::on_draw(const Cairo::RefPtr<Cairo::Context> &cr) {
    const int width = get_allocated_width(), height = get_allocated_height();
    const int inset = frame_thickness(frame_);
    paint_sunken_frame(cr, frame_, width, height);
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
