#pragma once
// The picture box: a sunken frame around a picture; an animated GIF plays, looping.
#include <filesystem>
#include <gdkmm/pixbufanimation.h>
#include <gdkmm/pixbufanimationiter.h>
#include <gtkmm/drawingarea.h>
#include <sigc++/connection.h>

namespace tv::ui::gtk {

class PictureBox : public Gtk::DrawingArea {
public:
    // A picture that cannot be read leaves the box empty inside its frame.
    PictureBox(const std::filesystem::path &picture, int frame);
    ~PictureBox() override;

private:
    bool on_draw(const Cairo::RefPtr<Cairo::Context> &cr) override;
    void schedule_next_frame();
    bool next_frame();
    // Whether a browser above this box covers it whole.
    bool under_browser() const;

    // Reads the picture and starts its animation; done once, when the box is first seen.
    void load();

    int frame_;
    std::filesystem::path picture_;
    bool loaded_ = false;
    Glib::RefPtr<Gdk::PixbufAnimation> animation_;
    Glib::RefPtr<Gdk::PixbufAnimationIter> iter_;
    sigc::connection frame_timer_;
};

} // namespace tv::ui::gtk
